cmake_minimum_required(VERSION 3.25)
# Fails when a source file includes a folder that it may not depend on, or
# when a Qt header is included outside the window layer. Run as
#   cmake -DSOURCE_DIR=<folder that holds src/> -P CheckLayers.cmake
#
# Each folder under src/ is one library; a folder may include itself and the
# folders listed for it, which all stand lower in the picture of
# docs/design.md. Everything points down. A new folder must be given its
# place here before it builds.
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "CheckLayers: SOURCE_DIR is not set")
endif()
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)

set(allowed_text "")
set(allowed_extract "text")
set(allowed_net "text")
set(allowed_core "text")
set(allowed_frontpage "core;text")
set(allowed_feeds "frontpage;net;core;extract;text")
set(allowed_article "extract;frontpage;core;text")
set(allowed_notes "core;text")
set(allowed_device "core;text")
set(allowed_settings "core;text")
set(allowed_retrieval "feeds;frontpage;net;core;text")
set(allowed_app "retrieval;feeds;frontpage;article;notes;device;settings;net;core;extract;text")
set(allowed_skin "")
set(allowed_ui "skin;app;retrieval;feeds;frontpage;article;notes;device;settings;net;core;extract;text")
set(allowed_winui "skin;app;retrieval;feeds;frontpage;article;notes;device;settings;net;core;extract;text")
# Qt may be included only here and by the entry point.
set(qt_folders "ui")

set(folders text extract net core frontpage feeds article notes device settings retrieval app skin ui winui)
set(violations "")

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}/src
     ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
if(NOT sources)
  message(FATAL_ERROR "CheckLayers: no source file under ${SOURCE_DIR}/src")
endif()
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder "${source}")
  if(folder STREQUAL source)
    set(folder "")  # the entry point beside the folders
  elseif(NOT folder IN_LIST folders)
    list(APPEND violations "${source}: the folder ${folder} has no place among the layers")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/src/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*" "\\1" header "${line}")
    if(header MATCHES "^Q[A-Za-z]*$|^Qt[A-Za-z]*/")
      if(NOT folder STREQUAL "" AND NOT folder IN_LIST qt_folders)
        list(APPEND violations "${source}: Qt header <${header}> outside the window layer")
      endif()
      continue()
    endif()
    string(REGEX MATCH "^[^/]+" target "${header}")
    if(target STREQUAL header OR NOT target IN_LIST folders)
      continue()  # a system or library header
    endif()
    if(folder STREQUAL "" OR target STREQUAL folder OR target IN_LIST allowed_${folder})
      continue()
    endif()
    list(APPEND violations "${source}: includes ${header}, but ${folder}/ may not depend on ${target}/")
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "Dependencies that do not point down:\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "CheckLayers: ${count} files, every dependency points down")
