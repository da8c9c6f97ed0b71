#pragma once

// Article pages as today's publishers write them, for the tests of the
// article extractor: a page around a head and a body, an article's
// paragraphs, and what a reader of the note would notice in its text.

#include <string>
#include <string_view>
#include <vector>

namespace articletest {

// A whole HTML5 page.
std::string HtmlPage(std::string_view head, std::string_view body);

// The n-th paragraph of a made-up article: a few sentences with commas,
// different for every n.
std::string ArticleParagraph(int n);

// Paragraphs first to last-1 as <p> elements.
std::string ParagraphElements(int first, int last);

// Site furniture around an article: navigation, a footer, a cookie banner,
// a list of related links; none of its text may reach the note.
std::string SiteNavigation();
std::string SiteFooter();
extern const std::vector<std::string> kFurnitureTexts;

// The note's lines without their line ends, blank lines left out.
std::vector<std::string> NoteLines(std::string_view note);

// True when a character reference ("&amp;", "&#8217;") is still in the text.
bool HoldsCharacterReference(std::string_view text);

} // namespace articletest
