#pragma once

#include "newsdesk/Story.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace newsdesk {

// The stories of both editions ("tus" and "tuk"), made once and never changed.
//
// Story number n (1-based over the edition, in page order) decides the
// documented oddities, the same in both editions:
//   n % 20 == 7              the article page no longer holds the story (Absent);
//   otherwise n % 10 == 4    the page prints the snippet's first word in capitals
//                            (SecondHalfOnly);
//   n % 13 == 11             the page has no body tag; otherwise its body tag is
//                            "<body", "<BODY" or "<Body" for n % 3 == 0, 1, 2;
//   n % 6 == 5               a short text of about 400 characters.
class StoryCatalog {
public:
    explicit StoryCatalog(int storiesPerSection);
    StoryCatalog(const StoryCatalog&) = delete;
    StoryCatalog& operator=(const StoryCatalog&) = delete;

    // The stories of an edition in page order; empty for an unknown edition.
    const std::vector<Story>& Stories(std::string_view edition) const;

    // The story served at an article path, its moved path or its feed's path, or null.
    const Story* FindByPath(const std::string& path) const;

    // Fills every story's Url from the service's base address ("http://host:port").
    void SetBaseUrl(const std::string& baseUrl);

private:
    std::vector<Story> us_;
    std::vector<Story> uk_;
    std::unordered_map<std::string, const Story*> byPath_;
};

} // namespace newsdesk
