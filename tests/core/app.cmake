lumbrant_add_test(test_app
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/app/TestArticleHandler.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app/TestErrorLog.cpp
  LIBS lumbrant_app lumbrant_foundation
)
