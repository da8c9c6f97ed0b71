#include "notes/NoteIndex.h"

#include "core/NotesTransfer.h"
#include "notes/NoteText.h"
#include "text/ByteText.h"
#include "text/FileIo.h"

#include <vector>

namespace lumbrant {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The page's line that leads to the page after it.
std::string ContinueLine(std::size_t page) {
    return text::NormalizeLines(ContinueLinkLine(kIndexNoteName, page + 1));
}

// The title cut so that its link line stays within kMaxIndexLinkLine,
// without splitting a UTF-8 character.
std::string FittingTitle(const std::string& target, const std::string& title) {
    const std::size_t frame = IndexLinkLine(target, "").size() + kLineEnd.size();
    if (frame + title.size() <= kMaxIndexLinkLine) {
        return title;
    }
    std::size_t keep = kMaxIndexLinkLine > frame ? kMaxIndexLinkLine - frame : 0;
    while (keep > 0 && (static_cast<unsigned char>(title[keep]) & 0xC0) == 0x80) {
        --keep;
    }
    return title.substr(0, keep);
}

std::vector<std::string> SplitLines(std::string_view page) {
    std::vector<std::string> lines;
    while (!page.empty()) {
        const std::size_t end = page.find(kLineEnd);
        const std::size_t length = end == std::string_view::npos ? page.size() : end + 2;
        lines.emplace_back(page.substr(0, length));
        page.remove_prefix(length);
    }
    return lines;
}

// The last page of the index: the one reached from "index" by its
// "Continue..." lines, with its number and its content as stored.
struct LastPage {
    std::size_t Number = 0;
    std::optional<std::string> Content;
};

LastPage FindLastPage(const std::string& newsFolder) {
    LastPage last;
    // An index that exists but cannot be read must not be started afresh:
    // that would drop the links to every story written before.
    last.Content = text::ReadFileIfPresent(newsFolder + IndexPageName(0));
    while (last.Content &&
           text::NormalizeLines(DropNul(*last.Content)).ends_with(ContinueLine(last.Number))) {
        ++last.Number;
        last.Content = text::ReadFileIfPresent(newsFolder + IndexPageName(last.Number));
    }
    return last;
}

// The pages, from page first on, that the lines fill: header first, then
// as many lines as fit. A page that cannot take all the lines left ends
// with its "Continue..." line; a page takes at least one line.
std::vector<std::string> LayOut(std::string header, const std::vector<std::string>& lines,
                                std::size_t first) {
    std::size_t rest = 0;
    for (const std::string& line : lines) {
        rest += line.size();
    }
    std::vector<std::string> pages;
    std::string page = std::move(header);
    bool hasLine = false;
    for (const std::string& line : lines) {
        const std::string more = ContinueLine(first + pages.size());
        const bool restFits = page.size() + rest <= kMaxIndexPage;
        if (hasLine && !restFits && page.size() + line.size() + more.size() > kMaxIndexPage) {
            pages.push_back(page + more);
            page.clear();
        }
        page += line;
        hasLine = true;
        rest -= line.size();
    }
    pages.push_back(std::move(page));
    return pages;
}

} // namespace

std::string IndexPageName(std::size_t page) {
    return page == 0 ? std::string(kIndexNoteName)
                     : std::string(kIndexNoteName) + "-" + std::to_string(page);
}

void AddToIndex(const std::string& newsFolder, const std::string& target, const std::string& title,
                const std::string& titleLine) {
    const std::string line =
        text::NormalizeLines(IndexLinkLine(target, FittingTitle(target, title)));
    const LastPage last = FindLastPage(newsFolder);
    const std::string fallback = last.Number == 0 ? titleLine : std::string();
    const std::string page = text::NormalizeLines(last.Content ? DropNul(*last.Content) : fallback);
    if (page.size() + line.size() <= kMaxIndexPage) {
        const std::string path = newsFolder + IndexPageName(last.Number);
        // A page as this writes it takes the line at its end; it is read
        // again for every story, so rewriting it would cost the most.
        if (last.Content && *last.Content == page) {
            text::AppendToFile(path, line, text::Durability::Unflushed);
        } else {
            text::WriteFileAtomic(path, page + line, text::Durability::Unflushed);
        }
        return;
    }
    std::vector<std::string> lines = SplitLines(page);
    std::string header;
    if (last.Number == 0 && !lines.empty()) {
        header = std::move(lines.front());
        lines.erase(lines.begin());
    }
    lines.push_back(line);
    const std::vector<std::string> pages = LayOut(std::move(header), lines, last.Number);
    // The later pages land first, so that no page ever links to one not yet there.
    for (std::size_t k = pages.size(); k-- > 0;) {
        text::WriteFileAtomic(newsFolder + IndexPageName(last.Number + k), pages[k],
                              text::Durability::Unflushed);
    }
}

} // namespace lumbrant
