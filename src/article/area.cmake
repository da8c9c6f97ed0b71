# Article text: HTML to text, the text-block locator and the site list.
set(article_dir ${CMAKE_CURRENT_LIST_DIR})
add_library(lumbrant_article STATIC
  ${article_dir}/BlockWalker.cpp
  ${article_dir}/CandidateSweep.cpp
  ${article_dir}/HtmlToText.cpp
  ${article_dir}/KeyMatcher.cpp
  ${article_dir}/OccurrenceFinder.cpp
  ${article_dir}/SiteList.cpp
  ${article_dir}/TagScanner.cpp
  ${article_dir}/TextBlockLocator.cpp
  ${article_dir}/WhitespaceTidy.cpp
)
target_link_libraries(lumbrant_article PUBLIC lumbrant_foundation)
