# lumbrant_json: nlohmann's JSON library (Debian's nlohmann-json3-dev),
# header-only. The Windows build must not search the host's /usr/include,
# so there the library's own folder is copied into the build tree and that
# copy alone is put on the include path.
add_library(lumbrant_json INTERFACE)
if(CMAKE_CROSSCOMPILING)
  find_path(LUMBRANT_NLOHMANN_JSON_INCLUDE nlohmann/json.hpp
            PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  set(json_copy ${PROJECT_BINARY_DIR}/third_party_include)
  file(COPY ${LUMBRANT_NLOHMANN_JSON_INCLUDE}/nlohmann DESTINATION ${json_copy})
  target_include_directories(lumbrant_json SYSTEM INTERFACE ${json_copy})
else()
  find_package(nlohmann_json 3.10 REQUIRED)
  target_link_libraries(lumbrant_json INTERFACE nlohmann_json::nlohmann_json)
endif()
