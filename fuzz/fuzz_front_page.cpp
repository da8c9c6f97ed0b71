// The front-page parser and the queue on arbitrary pages: no crash, records
// always whole, and every record handed out exactly once.

#include "frontpage/Editions.h"
#include "frontpage/FrontPageParser.h"
#include "frontpage/StoryQueue.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string page(reinterpret_cast<const char*>(data), size);
    lumbrant::SectionStoryLists lists;
    lumbrant::ParseFrontPageSections(page, lists);
    std::size_t records = 0;
    for (const auto& list : lists) {
        if (list.size() % 4 != 0) {
            std::abort();
        }
        records += list.size() / 4;
    }
    lumbrant::StoryQueue queue(lists);
    std::size_t taken = 0;
    for (;;) {
        std::string url, code, id;
        queue.TakeNextStory(url, code, id);
        if (code == lumbrant::kNoSection) {
            break;
        }
        if (queue.LookUpStory(code, id).ArticleUrl != url) {
            std::abort();
        }
        ++taken;
    }
    if (taken != records) {
        std::abort();
    }
    return 0;
}
