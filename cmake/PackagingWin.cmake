# The Windows program's installer, made by CPack's NSIS generator (Debian's
# nsis) from the project's own template (packaging/windows/NSIS.template.in):
#
#   %LOCALAPPDATA%\Programs\Lumbrant\Lumbrant.exe      the program
#   %LOCALAPPDATA%\Programs\Lumbrant\Editions.ini      the shipped feed editions
#   %LOCALAPPDATA%\Programs\Lumbrant\Uninstall.exe
#   Start menu: Lumbrant
#
# for the current user, without administrator rights. Windows has no
# launcher to put Editions.ini beside the program, so it is installed there.
# The build makes the installer, build/windows/package/Lumbrant-<version>-win64.exe.

install(TARGETS Lumbrant RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/Editions.ini DESTINATION .)

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME Lumbrant)
set(CPACK_PACKAGE_VENDOR Lumbrant)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "news front page to iPod notes in one click")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Lumbrant)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Lumbrant)
set(lumbrant_installer_name Lumbrant-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_FILE_NAME ${lumbrant_installer_name})
set(CPACK_NSIS_PACKAGE_NAME Lumbrant)
set(CPACK_NSIS_DISPLAY_NAME Lumbrant)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/packaging/lumbrant.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/packaging/lumbrant.ico)
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging/windows)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR}/package)
include(CPack)

set(LUMBRANT_INSTALLER ${PROJECT_BINARY_DIR}/package/${lumbrant_installer_name}.exe)
add_custom_command(
  OUTPUT ${LUMBRANT_INSTALLER}
  COMMAND ${CMAKE_CPACK_COMMAND} --config ${PROJECT_BINARY_DIR}/CPackConfig.cmake
  DEPENDS Lumbrant ${PROJECT_SOURCE_DIR}/packaging/Editions.ini
          ${PROJECT_SOURCE_DIR}/packaging/windows/NSIS.template.in
          ${PROJECT_SOURCE_DIR}/packaging/lumbrant.ico
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
  COMMENT "Making the installer ${lumbrant_installer_name}.exe"
  VERBATIM)
add_custom_target(installer ALL DEPENDS ${LUMBRANT_INSTALLER})
