# The settings store, its platform backends and the start-up entry.
add_library(lumbrant_settings STATIC
  ${CMAKE_CURRENT_LIST_DIR}/SettingsDocument.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsStore.cpp
)
if(WIN32)
  target_sources(lumbrant_settings PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/SettingsBackendWin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StartupEntryWin.cpp
  )
  target_link_libraries(lumbrant_settings PRIVATE advapi32)
else()
  target_sources(lumbrant_settings PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ConfigFolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsFileLinux.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StartupEntryLinux.cpp
  )
endif()
target_link_libraries(lumbrant_settings PUBLIC lumbrant_foundation)
