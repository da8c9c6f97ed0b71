add_library(lumbrant_app STATIC
  ${CMAKE_CURRENT_LIST_DIR}/AppCore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ArticleHandler.cpp
)
target_link_libraries(lumbrant_app PUBLIC
  lumbrant_retrieval lumbrant_frontpage lumbrant_article lumbrant_notes lumbrant_device
  lumbrant_settings lumbrant_foundation)
