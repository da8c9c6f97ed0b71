#pragma once

// Short paragraphs that only talk to the reader about the page (asking to
// subscribe, follow, share, sign up, read more, rate the article) or credit
// a photo ("Foto: ...", "Photo: ..."). Phrases in the languages of most news
// pages, letter case aside (ASCII).

#include <string_view>

namespace lumbrant {

// True when a paragraph of at most a few lines is one of them.
bool IsBoilerplateParagraph(std::string_view paragraph);

} // namespace lumbrant
