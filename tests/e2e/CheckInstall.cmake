# Installs the build into a fresh prefix and checks the program folder, the
# launcher, the menu entry, the icon and the feed editions.
#
#   cmake -DBUILD_DIR=<build> -DPREFIX=<empty folder to install into> -P CheckInstall.cmake

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

foreach(program lib/lumbrant/Lumbrant bin/lumbrant)
  execute_process(COMMAND test -f "${PREFIX}/${program}" -a -x "${PREFIX}/${program}"
                  RESULT_VARIABLE missing)
  if(missing)
    message(FATAL_ERROR "${program} was not installed as a program")
  endif()
endforeach()

set(entry "${PREFIX}/share/applications/lumbrant.desktop")
file(STRINGS "${entry}" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=\"${PREFIX}/bin/lumbrant\"")
  message(FATAL_ERROR "the menu entry starts '${exec}', not the installed launcher")
endif()
file(STRINGS "${entry}" icon REGEX "^Icon=")
if(NOT icon STREQUAL "Icon=lumbrant")
  message(FATAL_ERROR "the menu entry names the icon '${icon}'")
endif()

# The package asks for a libcurl that knows every option the program sets.
file(READ "${BUILD_DIR}/CPackConfig.cmake" package)
if(NOT package MATCHES "CPACK_DEBIAN_PACKAGE_DEPENDS \"[^\"]*libcurl4 \\(>= 7\\.85\\)")
  message(FATAL_ERROR "the package does not depend on libcurl4 (>= 7.85)")
endif()

set(png "${PREFIX}/share/icons/hicolor/256x256/apps/lumbrant.png")
file(READ "${png}" header LIMIT 24 HEX)
# The PNG signature, then the IHDR chunk: width and height 256.
if(NOT header STREQUAL "89504e470d0a1a0a0000000d494844520000010000000100")
  message(FATAL_ERROR "${png} is not a 256 x 256 PNG")
endif()

# The shipped feed editions name both country entries.
set(editions "${PREFIX}/share/lumbrant/Editions.ini")
file(STRINGS "${editions}" sections REGEX "^\\[United (Kingdom|States)\\]$")
if(NOT sections STREQUAL "[United Kingdom];[United States]")
  message(FATAL_ERROR "${editions} does not hold both editions (${sections})")
endif()
if(NOT EXISTS "${PREFIX}/share/doc/lumbrant/feeds.md")
  message(FATAL_ERROR "the feed editions' documentation was not installed")
endif()

# Started by the launcher without settings, the program notes the missing
# values in its error log beside the executable it runs: in place for a
# user who owns the install, otherwise a private copy in XDG_DATA_HOME. The
# launcher puts the shipped Editions.ini there, and leaves one that is there
# (the user's own) as it is at the next start.
set(data "${PREFIX}.data")
file(REMOVE_RECURSE "${data}")
file(MAKE_DIRECTORY "${data}/config")
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env "XDG_DATA_HOME=${data}" "XDG_CONFIG_HOME=${data}/config"
          QT_QPA_PLATFORM=offscreen sh -c [[
    launch() {
      rm -f "$1/lib/lumbrant/Rovad.txt" "$2/lumbrant/Rovad.txt"
      "$1/bin/lumbrant" & pid=$!
      for i in $(seq 300); do
        if [ -f "$1/lib/lumbrant/Rovad.txt" ] || [ -f "$2/lumbrant/Rovad.txt" ]; then break; fi
        kill -0 $pid 2>/dev/null || break
        sleep 0.1
      done
      kill $pid 2>/dev/null; wait $pid 2>/dev/null
    }
    launch "$1" "$2"
    cat "$1/lib/lumbrant/Rovad.txt" "$2/lumbrant/Rovad.txt" 2>/dev/null
    for folder in "$1/lib/lumbrant" "$2/lumbrant"; do
      [ -f "$folder/Rovad.txt" ] || continue
      cmp -s "$folder/Editions.ini" "$1/share/lumbrant/Editions.ini" && echo EDITIONS-PLACED
      echo "[Mine]" >"$folder/Editions.ini"
      launch "$1" "$2"
      [ "$(cat "$folder/Editions.ini")" = "[Mine]" ] && echo EDITIONS-KEPT
    done
  ]] check "${PREFIX}" "${data}"
  RESULT_VARIABLE ignored OUTPUT_VARIABLE log ERROR_VARIABLE errors)
file(REMOVE_RECURSE "${PREFIX}" "${data}")
if(NOT log MATCHES "ReadRegistry:")
  message(FATAL_ERROR "the launched program wrote no error log beside itself (${errors})")
endif()
if(NOT log MATCHES "EDITIONS-PLACED")
  message(FATAL_ERROR "the launcher did not put the shipped Editions.ini beside the program")
endif()
if(NOT log MATCHES "EDITIONS-KEPT")
  message(FATAL_ERROR "the launcher replaced the user's own Editions.ini")
endif()
