#include "newsdesk/StoryCatalog.h"

#include "frontpage/Editions.h"
#include "newsdesk/Prose.h"
#include "newsdesk/Rng.h"

#include <utility>

namespace newsdesk {

namespace {

SnippetOnPage PlacementOf(int number) {
    if (number % 20 == 7) {
        return SnippetOnPage::Absent;
    }
    return number % 10 == 4 ? SnippetOnPage::SecondHalfOnly : SnippetOnPage::Verbatim;
}

std::string BodyTagOf(int number) {
    if (number % 13 == 11) {
        return {};
    }
    static const char* const kSpellings[] = {"<body", "<BODY", "<Body"};
    return kSpellings[number % 3];
}

std::vector<Story> MakeEdition(const std::string& edition, int storiesPerSection) {
    std::vector<Story> stories;
    stories.reserve(static_cast<std::size_t>(8 * storiesPerSection));
    int number = 0;
    for (int section = 0; section < 8; ++section) {
        for (int item = 0; item < storiesPerSection; ++item) {
            Story story;
            story.Edition = edition;
            story.CategoryCode = std::string(lumbrant::kSections[section].Code);
            story.SectionIndex = section;
            story.IndexInSection = item;
            story.Number = ++number;
            story.Seed = SeedFrom(edition, static_cast<std::uint64_t>(number));

            Prose headline = HeadlineProse(section, story.Seed);
            story.Title = headline.Headline();
            story.Outlet = headline.Outlet();
            Prose text = TextProse(section, story.Seed);
            story.Snippet = SnippetOf(OpeningSentences(text));

            const std::string where =
                edition + "/" + story.CategoryCode + "/" + std::to_string(item + 1) + ".html";
            story.ArticlePath = "/article/" + where;
            story.MovedPath = "/moved/" + where;
            story.FeedPath = "/story/" + where;
            story.BodyTag = BodyTagOf(number);
            story.Placement = PlacementOf(number);
            story.ShortText = number % 6 == 5;
            stories.push_back(std::move(story));
        }
    }
    return stories;
}

} // namespace

StoryCatalog::StoryCatalog(int storiesPerSection)
    : us_(MakeEdition("tus", storiesPerSection)), uk_(MakeEdition("tuk", storiesPerSection)) {
    for (const auto* edition : {&us_, &uk_}) {
        for (const Story& story : *edition) {
            byPath_[story.ArticlePath] = &story;
            byPath_[story.MovedPath] = &story;
            byPath_[story.FeedPath] = &story;
        }
    }
}

const std::vector<Story>& StoryCatalog::Stories(std::string_view edition) const {
    static const std::vector<Story> kNone;
    if (edition == "tus") {
        return us_;
    }
    return edition == "tuk" ? uk_ : kNone;
}

const Story* StoryCatalog::FindByPath(const std::string& path) const {
    const auto found = byPath_.find(path);
    return found == byPath_.end() ? nullptr : found->second;
}

void StoryCatalog::SetBaseUrl(const std::string& baseUrl) {
    for (auto* edition : {&us_, &uk_}) {
        for (Story& story : *edition) {
            story.Url = baseUrl + story.ArticlePath;
            story.FeedUrl = baseUrl + story.FeedPath;
        }
    }
}

} // namespace newsdesk
