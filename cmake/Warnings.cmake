# lumbrant_warnings: the warnings every target of the project is built with,
# for whichever compiler builds it. LUMBRANT_WARNINGS_AS_ERRORS (the ci
# preset) turns them into errors.
option(LUMBRANT_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

add_library(lumbrant_warnings INTERFACE)
if(MSVC)
  target_compile_options(lumbrant_warnings INTERFACE /W4
                         $<$<BOOL:${LUMBRANT_WARNINGS_AS_ERRORS}>:/WX>)
else()
  target_compile_options(lumbrant_warnings INTERFACE
                         -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                         $<$<BOOL:${LUMBRANT_WARNINGS_AS_ERRORS}>:-Werror>)
endif()
