lumbrant_add_test(test_newsdesk
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/newsdesk/PageReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/newsdesk/TestArticlePages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/newsdesk/TestCommandLine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/newsdesk/TestFrontPages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/newsdesk/TestNewsDeskServer.cpp
  LIBS newsdesk_lib lumbrant_app lumbrant_foundation
)
