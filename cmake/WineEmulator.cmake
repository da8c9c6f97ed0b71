# Runs the Windows build's programs under Wine: CTest and the test discovery
# start them through CMAKE_CROSSCOMPILING_EMULATOR. Wine gets a private
# prefix in the build tree, made once, so that the tests' registry values
# and drive letters touch nobody else's.
find_program(LUMBRANT_WINE wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(LUMBRANT_WINE wine64 REQUIRED)
get_filename_component(wine_folder ${LUMBRANT_WINE} DIRECTORY)
find_program(LUMBRANT_WINESERVER NAMES wineserver64 wineserver HINTS ${wine_folder} REQUIRED)

set(LUMBRANT_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix)
# Wine's first boot now and then gives up half way on a busy machine; a
# prefix that did not come out whole is made again from nothing.
set(wine_environment WINEPREFIX=${LUMBRANT_WINE_PREFIX} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=)
foreach(attempt RANGE 1 3)
  if(EXISTS ${LUMBRANT_WINE_PREFIX}/system.reg)
    break()
  endif()
  message(STATUS "Making the Wine prefix ${LUMBRANT_WINE_PREFIX} (attempt ${attempt})")
  file(REMOVE_RECURSE ${LUMBRANT_WINE_PREFIX})
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${wine_environment} ${LUMBRANT_WINE} wineboot -i
                  RESULT_VARIABLE booted OUTPUT_QUIET ERROR_QUIET)
  # The registry reaches system.reg when the prefix's server ends.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${wine_environment} ${LUMBRANT_WINESERVER} -w)
  if(NOT booted EQUAL 0)
    file(REMOVE ${LUMBRANT_WINE_PREFIX}/system.reg)
  endif()
endforeach()
if(NOT EXISTS ${LUMBRANT_WINE_PREFIX}/system.reg)
  message(FATAL_ERROR "Wine could not make its prefix at ${LUMBRANT_WINE_PREFIX}")
endif()

set(LUMBRANT_WINE_DISPLAY_FILE ${PROJECT_BINARY_DIR}/wine-display)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-session.in ${PROJECT_BINARY_DIR}/wine-session @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${PROJECT_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run)
