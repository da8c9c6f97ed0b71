add_library(lumbrant_retrieval STATIC
  ${CMAKE_CURRENT_LIST_DIR}/../platform/CurlEasy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../platform/HttpClient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../platform/UrlDownload.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HandOverPort.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NewsThread.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RunControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ThreadJobStarter.cpp
)
target_link_libraries(lumbrant_retrieval PUBLIC lumbrant_frontpage lumbrant_foundation CURL::libcurl)
