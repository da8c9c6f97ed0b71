#pragma once

#include <cstdint>
#include <string>

namespace newsdesk {

// How a story's summary line stands in its article page.
enum class SnippetOnPage {
    Verbatim,       // the article's first paragraph opens with it, byte for byte
    SecondHalfOnly, // the page prints the first word in capitals; the rest is verbatim
    Absent,         // the page is a "story not available" notice; no piece of it occurs
};

// One story of one edition, as the front page lists it.
struct Story {
    std::string Edition;      // "tus" or "tuk"
    std::string CategoryCode; // "TO", "WO", "LO", "BU", "SC", "SP", "EN" or "HE"
    int SectionIndex = 0;     // 0 to 7, front-page order
    int IndexInSection = 0;   // 0-based, page order within the section
    int Number = 0;           // 1-based within the edition, page order over all sections
    std::string Title;        // the headline exactly as the page shows it (entities kept)
    std::string Snippet;      // the summary line exactly as the page shows it, 80-200 characters
    std::string Outlet;       // the invented paper that "published" it
    std::string ArticlePath;  // "/article/tus/TO/1.html" (1-based item number)
    std::string MovedPath;    // "/moved/tus/TO/1.html": where a redirect leads
    std::string Url;          // absolute address on the front page; set by NewsDesk::Start
    std::string FeedPath;     // "/story/tus/TO/1.html": the page its section's feed links
    std::string FeedUrl;      // absolute address of FeedPath; set by NewsDesk::Start
    std::string BodyTag;      // "<body", "<BODY" or "<Body"; empty when the page has none
    SnippetOnPage Placement = SnippetOnPage::Verbatim;
    bool ShortText = false; // about 400 characters of text instead of 1500 to 6000
    std::uint64_t Seed = 0; // everything on its pages is drawn from it
};

} // namespace newsdesk
