#include "article/TagScanner.h"

#include "article/HtmlToText.h"

#include <algorithm>
#include <cstring>

namespace lumbrant {

namespace {

// One more than the longest removable name, so a name this long is known
// not to be removable without reading it to its end.
constexpr std::size_t kNameLookahead = 12;

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

TagScanner::TagScanner(std::string_view text)
    : text_(text), opens_(text, "<"), closes_(text, ">"), commentEnds_(text, "-->"),
      scriptEnds_(text, "/script>"), styleEnds_(text, "/style>") {}

TagReading TagScanner::Read(std::size_t open, std::size_t close) {
    const char* tagText = text_.data() + open + 1;
    const std::size_t tagLength = close - open - 1;
    const std::size_t look = std::min(tagLength, kNameLookahead);
    const void* blank = std::memchr(tagText, ' ', look);
    const std::size_t nameLength =
        blank != nullptr ? static_cast<std::size_t>(static_cast<const char*>(blank) - tagText)
                         : look;
    // A name of kNameLookahead characters or more is compared only by its start.
    char name[kNameLookahead];
    for (std::size_t i = 0; i < nameLength; ++i) {
        name[i] = LowerAscii(tagText[i]);
    }
    const std::string_view lower(name, nameLength);

    TagReading reading;
    reading.NameEmpty = nameLength == 0;
    reading.End = close;
    auto reachTo = [&](OccurrenceFinder& closing, std::size_t closingLength) {
        const std::size_t hit = closing.Next(open + 1);
        if (hit != npos) {
            reading.End = hit + closingLength - 1;
        }
    };
    const char first = nameLength > 0 ? name[0] : '\0';
    if (first == '!' && lower.starts_with("!--")) {
        reading.Removable = true;
        reachTo(commentEnds_, 3);
    } else if (first == 's' && lower.starts_with("script")) {
        reading.Removable = lower == "script";
        reachTo(scriptEnds_, 8);
    } else if (first == 's' && lower.starts_with("style")) {
        reading.Removable = lower == "style";
        reachTo(styleEnds_, 7);
    } else {
        reading.Removable = nameLength < kNameLookahead && IsRemovableTag(lower);
    }
    return reading;
}

} // namespace lumbrant
