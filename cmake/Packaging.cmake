# Install layout and the Debian package.
#
#   <prefix>/lib/lumbrant/Lumbrant                      the program
#   <prefix>/bin/lumbrant                               its launcher
#   <prefix>/share/applications/lumbrant.desktop        the menu entry
#   <prefix>/share/icons/hicolor/256x256/apps/lumbrant.png
#   <prefix>/share/doc/lumbrant/install.md, feeds.md
#   <prefix>/share/lumbrant/Editions.ini                 the feed editions of real publishers
#
# The program writes its log, page copy and notes beside its executable, so
# it is installed into a folder of its own and started through the launcher,
# which runs it in place when the user owns that folder and from a private
# copy under ~/.local/share/lumbrant otherwise (docs/install.md). The launcher
# also puts the shipped Editions.ini beside the program it starts when there
# is none, so that an installed program fetches today's news from feeds
# (docs/feeds.md); a build tree has no edition file and runs the classic way.

set(LUMBRANT_PROGRAM_DIR lib/lumbrant)

install(TARGETS Lumbrant RUNTIME DESTINATION ${LUMBRANT_PROGRAM_DIR})
install(PROGRAMS ${PROJECT_SOURCE_DIR}/packaging/lumbrant-launcher DESTINATION bin RENAME lumbrant)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lumbrant.png
        DESTINATION share/icons/hicolor/256x256/apps)
install(FILES ${PROJECT_SOURCE_DIR}/docs/install.md ${PROJECT_SOURCE_DIR}/docs/feeds.md
        DESTINATION share/doc/lumbrant)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/Editions.ini DESTINATION share/lumbrant)

# The menu entry names the launcher by its full path, which is known only
# when installing (cmake --install --prefix, or /usr inside the package).
set(LUMBRANT_DESKTOP_TEMPLATE ${PROJECT_SOURCE_DIR}/packaging/lumbrant.desktop.in)
set(LUMBRANT_DESKTOP_FILE ${CMAKE_CURRENT_BINARY_DIR}/packaging/lumbrant.desktop)
install(CODE "
  file(READ \"${LUMBRANT_DESKTOP_TEMPLATE}\" entry)
  string(REPLACE \"@LAUNCHER@\" \"\${CMAKE_INSTALL_PREFIX}/bin/lumbrant\" entry \"\${entry}\")
  file(WRITE \"${LUMBRANT_DESKTOP_FILE}\" \"\${entry}\")
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/applications\" TYPE FILE
       FILES \"${LUMBRANT_DESKTOP_FILE}\")
")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumbrant)
set(CPACK_PACKAGE_VENDOR "Lumbrant")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Lumbrant maintainers <maintainers@lumbrant.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "news front page to iPod notes in one click")
set(CPACK_PACKAGE_DESCRIPTION "Lumbrant downloads a news front page, fetches every story's \
article with four parallel downloads, finds the article's text and writes it as small note \
files, which it copies onto an iPod mounted as a disk.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.lumbrant.example")
# The window needs Qt's platform plugins and its one face at run time; no
# library links them, so dpkg-shlibdeps cannot find them by itself.
set(lumbrant_runtime_packages "qt6-qpa-plugins, fonts-liberation")
find_program(LUMBRANT_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(LUMBRANT_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${lumbrant_runtime_packages}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6widgets6 (>= 6.2), libqt6gui6 (>= 6.2), libqt6core6 (>= 6.2), libexpat1, ${lumbrant_runtime_packages}")
endif()
# The program sets libcurl's protocol lists, which came with 7.85; an older
# libcurl cannot make its HTTP clients. Its library symbols do not tell.
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libcurl4 (>= 7.85)")
include(CPack)
