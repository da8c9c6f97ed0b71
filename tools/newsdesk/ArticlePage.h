#pragma once

#include "newsdesk/Story.h"

#include <string>

namespace newsdesk {

// The article page of a story, as its (invented) paper would serve it: head
// with title, style sheet, scripts and comments; the body tag the story asks
// for; masthead and navigation tables; then the article, whose first paragraph
// opens with the story's snippet (see SnippetOnPage for the exceptions) and
// whose paragraphs hold only tags that a block conversion removes (p, b, i, a,
// span, em, strong, br, div, script, noscript, img and comments); and after it
// a tag that ends the block ("</td>", "<hr", "<table" or "<form").
std::string RenderArticlePage(const Story& story);

} // namespace newsdesk
