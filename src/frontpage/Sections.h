#pragma once

#include <array>
#include <string_view>

namespace lumbrant {

struct SectionInfo {
    std::string_view Title;
    std::string_view Code;
};

// The eight front-page sections in their fixed order: the order of parsing and of the queue.
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

} // namespace lumbrant
