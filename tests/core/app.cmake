lumbrant_add_test(test_app
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/app/TestArticleHandler.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app/TestErrorLog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app/TestGoldenRun.cpp
  LIBS lumbrant_app lumbrant_foundation newsdesk_lib
)
target_compile_definitions(test_app PRIVATE LUMBRANT_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
