# Runs the Windows build's programs under Wine: CTest and the test discovery
# start them through CMAKE_CROSSCOMPILING_EMULATOR. Wine gets a private
# prefix in the build tree, made once, so that the tests' registry values
# and drive letters touch nobody else's.
find_program(LUMBRANT_WINE wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(LUMBRANT_WINE wine64 REQUIRED)
get_filename_component(wine_folder ${LUMBRANT_WINE} DIRECTORY)
find_program(LUMBRANT_WINESERVER NAMES wineserver64 wineserver HINTS ${wine_folder} REQUIRED)

set(LUMBRANT_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix)
if(NOT EXISTS ${LUMBRANT_WINE_PREFIX}/system.reg)
  message(STATUS "Making the Wine prefix ${LUMBRANT_WINE_PREFIX}")
  set(wine_environment WINEPREFIX=${LUMBRANT_WINE_PREFIX} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${wine_environment} ${LUMBRANT_WINE} wineboot -i
                  RESULT_VARIABLE booted OUTPUT_QUIET ERROR_QUIET)
  # The registry reaches system.reg when the prefix's server ends.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${wine_environment} ${LUMBRANT_WINESERVER} -w)
  if(NOT booted EQUAL 0 OR NOT EXISTS ${LUMBRANT_WINE_PREFIX}/system.reg)
    message(FATAL_ERROR "Wine could not make its prefix at ${LUMBRANT_WINE_PREFIX}")
  endif()
endif()

set(LUMBRANT_WINE_DISPLAY_FILE ${PROJECT_BINARY_DIR}/wine-display)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-session.in ${PROJECT_BINARY_DIR}/wine-session @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${PROJECT_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run)
