lumbrant_add_test(test_article
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/article/MessyHtml.cpp
    ${CMAKE_CURRENT_LIST_DIR}/article/TestArticleDifferential.cpp
    ${CMAKE_CURRENT_LIST_DIR}/article/TestHtmlToText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/article/TestSiteList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/article/TestTextBlockLocator.cpp
  LIBS lumbrant_article lumbrant_foundation
)
