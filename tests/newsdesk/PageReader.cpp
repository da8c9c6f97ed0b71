#include "PageReader.h"

#include "frontpage/Editions.h"
#include "frontpage/FrontPageParser.h"
#include "text/ByteText.h"

namespace newsdesk_test {

using text::Copy;
using text::Index;

std::vector<long> SectionHeadingPositions(const std::string& page) {
    std::vector<long> positions;
    for (const auto& section : lumbrant::kSections) {
        positions.push_back(static_cast<long>(text::Pos(
            std::string(lumbrant::kSectionHeadingPrefix) + std::string(section.Title), page)));
    }
    return positions;
}

std::vector<ListedStory> ReadFrontPage(const std::string& page) {
    std::array<lumbrant::StoryList, lumbrant::kSectionCount> lists;
    lumbrant::ParseFrontPageSections(page, lists);
    std::vector<ListedStory> stories;
    for (std::size_t k = 0; k < lists.size(); ++k) {
        for (std::size_t i = 0; i + 3 < lists[k].size(); i += 4) {
            stories.push_back({std::string(lumbrant::kSections[k].Code), lists[k][i + 1],
                               lists[k][i + 2], lists[k][i + 3]});
        }
    }
    return stories;
}

std::vector<std::string> LocatorKeys(const std::string& snippet) {
    const Index n = static_cast<Index>(snippet.size());
    const Index parts[] = {n / 2, n / 4, n / 8, n / 16 > 32 ? n / 16 : 0, n / 32 > 32 ? n / 32 : 0};
    std::vector<std::string> keys{snippet};
    for (const Index part : parts) {
        keys.push_back(Copy(snippet, n - part + 1, part));
    }
    for (const Index part : parts) {
        keys.push_back(Copy(snippet, 1, part));
    }
    if (n - 64 > 32) {
        keys.push_back(Copy(snippet, 32, n - 64));
    }
    if (n - 96 > 32) {
        keys.push_back(Copy(snippet, 64, n - 96));
    }
    return keys;
}

} // namespace newsdesk_test
