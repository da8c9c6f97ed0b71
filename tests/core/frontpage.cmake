lumbrant_add_test(test_frontpage
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/frontpage/TestFrontPageParser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frontpage/TestStoryQueue.cpp
  LIBS lumbrant_frontpage lumbrant_foundation
)
