#pragma once

#include "newsdesk/Story.h"

#include <string>

namespace newsdesk {

// The article's own markup: its paragraphs, from the first character of the
// first paragraph's opening tag to the end of the last paragraph. It holds
// only tags that a block conversion removes, and no ">" outside of tags,
// scripts and comments, so the article's text block runs to its end.
std::string RenderArticleText(const Story& story);

} // namespace newsdesk
