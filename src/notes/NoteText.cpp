#include "notes/NoteText.h"

#include "text/ByteText.h"

#include <algorithm>
#include <utility>

namespace lumbrant {

namespace {

struct Replacement {
    std::string_view found;
    std::string_view by;
};

// One left-to-right pass each, in this order: "&amp;nbsp;" becomes "&nbsp;"
// and stays so, and the longer runs of spaces go first.
constexpr Replacement kPasses[] = {
    {"&nbsp;", " "}, {"&quot;", "\""}, {"&amp;", "&"}, {"&#39;", "'"}, {"\t", " "},
};
constexpr std::size_t kSpaceRuns[] = {11, 8, 6, 3, 2};

} // namespace

std::string CleanNoteText(const std::string& storyTitle, const std::string& text) {
    std::string note = storyTitle;
    note.append(kEmptyLineBreak);
    note.append(text);
    for (const Replacement& pass : kPasses) {
        note = text::ReplaceAll(note, pass.found, pass.by);
    }
    for (const std::size_t run : kSpaceRuns) {
        note = text::ReplaceAll(note, std::string(run, ' '), " ");
    }
    note = text::ReplaceAllRepeated(std::move(note), kEmptyLineBreak, "\r\n");
    return text::ReplaceAllRepeated(std::move(note), "\r\n \r\n", "\r\n");
}

std::string DropNul(std::string_view s) {
    std::string out(s);
    out.erase(std::remove(out.begin(), out.end(), '\0'), out.end());
    return out;
}

std::string TitleLine(std::string_view title) {
    std::string line;
    line.reserve(title.size());
    for (const char c : title) {
        switch (c) {
        case '\0':
            break;
        case '\r':
        case '\n':
            line += ' ';
            break;
        case '<':
            line += "&lt;";
            break;
        case '>':
            line += "&gt;";
            break;
        default:
            line += c;
        }
    }
    return line;
}

std::string LinkText(std::string_view link) {
    std::string text;
    text.reserve(link.size());
    for (const char c : link) {
        if (c == '"') {
            text += "%22";
        } else if (c != '\0' && c != '\r' && c != '\n') {
            text += c;
        }
    }
    return text;
}

std::string BackLinkLine() {
    return "<a href=\"index\">Back</a>";
}

std::string ContinueLinkLine(const std::string& noteName, std::size_t nextPart) {
    return "<a href=\"" + noteName + "-" + std::to_string(nextPart) + "\">Continue...</a>";
}

std::string IndexLinkLine(const std::string& target, const std::string& title) {
    return "<a href=\"" + target + "\">" + title + "</a>";
}

std::string NoteFooter(const std::string& articleUrl) {
    std::string footer(kEmptyLineBreak);
    footer += BackLinkLine();
    footer += kEmptyLineBreak;
    footer += "More detail, please visit ";
    footer += articleUrl;
    return footer;
}

} // namespace lumbrant
