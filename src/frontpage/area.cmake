add_library(lumbrant_frontpage STATIC
  ${CMAKE_CURRENT_LIST_DIR}/FrontPageParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StoryQueue.cpp
)
target_link_libraries(lumbrant_frontpage PUBLIC lumbrant_foundation)
