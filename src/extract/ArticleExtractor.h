#pragma once

// The text of a news article in the page that carries it, for the notes of
// feed editions: a plain function of the page's bytes, the charset its HTTP
// answer declared, and the feed's summary and title of the story.

#include <string>
#include <string_view>

namespace lumbrant {

struct ExtractedArticle {
    enum class Kind {
        Article,  // Text holds the article
        NotFound, // no article text in the page; Reason says why
    };
    Kind Found = Kind::NotFound;
    // UTF-8. Each paragraph, heading and list item is one line; lines end
    // with CR LF and a blank line stands between paragraphs. No markup, no
    // character reference, no blank at a line's start or end.
    std::string Text;
    // Why nothing was found ("not HTML", "no text block", ...); empty for an
    // article.
    std::string Reason;
    // The encoding the page was read in ("UTF-8", "windows-1252", ...).
    std::string Encoding;
};

// The article of the page. httpCharset is the charset of the answer's
// Content-Type (the bare label, or the whole header value), empty when none
// was sent. summary and title are the feed item's, as the feed carries them
// (HTML and character references allowed; either may be empty): they help
// to find the article and are never part of the text.
ExtractedArticle ExtractArticle(std::string_view pageBytes, std::string_view httpCharset,
                                std::string_view summary, std::string_view title);

// A feed's summary or title (HTML, character references) as plain UTF-8
// text on one line: tags and script removed, references decoded, blanks
// folded, never invalid UTF-8.
std::string SummaryText(std::string_view summaryHtml);

} // namespace lumbrant
