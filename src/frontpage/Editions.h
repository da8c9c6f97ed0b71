#pragma once

// The editions of the news that the Country selector offers, and the
// sections every edition has: the one place that says which there are,
// what each is called, where an edition's classic front page is and how its
// sections are marked there. Adding an edition is adding its row.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace lumbrant {

struct SectionInfo {
    // The title that marks the section on a classic front page.
    std::string_view Title;
    std::string_view Code;
};

// The eight sections of every edition in their fixed order: the order of
// parsing and of the queue. "LO" is the edition's own country's.
inline constexpr std::array<SectionInfo, 8> kSections{{
    {"Top Stories", "TO"},
    {"World", "WO"},
    {"U.S.", "LO"},
    {"Business", "BU"},
    {"Sci/Tech", "SC"},
    {"Sports", "SP"},
    {"Entertainment", "EN"},
    {"Health", "HE"},
}};

inline constexpr std::string_view kOwnCountrySection = "LO";

// The queue's answer when no story is left.
inline constexpr std::string_view kNoSection = "NO";

// Index 0 to 7 of a section code, or -1 for any other text.
inline int SectionIndex(std::string_view code) {
    for (std::size_t i = 0; i < kSections.size(); ++i) {
        if (kSections[i].Code == code) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

struct NewsEdition {
    // As the Country selector shows it; also the name of its section in
    // Editions.ini.
    std::string Entry;
    // Its classic front page is the news service's "/news?ned=" + this.
    std::string FrontPageCode;
    // Whether a section of Editions.ini may give it feeds instead.
    bool FeedsMayReplace = true;
};

class EditionTable {
public:
    explicit EditionTable(std::vector<NewsEdition> editions) : editions_(std::move(editions)) {}

    // The program's editions, in the order of the Country selector.
    static const EditionTable& BuiltIn();

    // In the order the Country selector lists them.
    const std::vector<NewsEdition>& Editions() const { return editions_; }

    // The edition whose entry is entry, or nullptr.
    const NewsEdition* Find(std::string_view entry) const;

private:
    std::vector<NewsEdition> editions_;
};

} // namespace lumbrant
