#include "app/ArticleHandler.h"

#include "core/LogClass.h"
#include "article/HtmlToText.h"
#include "article/SiteList.h"
#include "article/TextBlockLocator.h"
#include "core/Messages.h"
#include "text/ByteText.h"

#include <exception>

namespace lumbrant {

std::string BodyOf(const std::string& page) {
    for (const char* tag : {"<body", "<BODY", "<Body"}) {
        if (const text::Index p = text::Pos(tag, page)) {
            return text::From(page, p);
        }
    }
    return page;
}

ArticleHandler::ArticleHandler(MainState& state, const StoryQueue& queue, NoteSink writeNote,
                               SlotStarter startSlot)
    : state_(state), queue_(queue), writeNote_(std::move(writeNote)),
      startSlot_(std::move(startSlot)) {}

void ArticleHandler::Log(const std::string& entry) {
    TLogClass::WriteLog(state_.LogCounter, state_.WorkDir, entry);
}

void ArticleHandler::OnArticleDone(int slot, int wParam) {
    try {
        if (wParam == FETCH_FAILED) {
            if (slot == 3) {
                Log("Not Get Html!");
            }
        } else {
            HandlePage(slot);
        }
        startSlot_(slot);
    } catch (const std::exception& error) {
        Log(std::string("!!! ") + error.what());
        startSlot_(slot);
    }
}

void ArticleHandler::HandlePage(int slot) {
    const std::size_t index = static_cast<std::size_t>(slot - 1);
    std::string articleUrl;
    std::string storyTitle;
    std::string snippet;
    queue_.LookUpStory(state_.SlotCategoryCode.at(index), state_.SlotStoryId.at(index), articleUrl,
                       storyTitle, snippet);
    const std::string bodyText = BodyOf(state_.SlotPageText.at(index));
    const bool listedSite = IsSpecialSite(articleUrl, state_.WorkDir) == 1;
    // The positions of the snippet can take eight bytes for every character
    // of the page; they are gone before the note is written.
    const LocateResult located = [&] {
        std::vector<text::Index> occurrences;
        return LocateTextBlock(snippet, bodyText, occurrences);
    }();
    if (!located.Found) {
        Log("Not get ");
        return;
    }
    if (listedSite) {
        const std::string longest = LongestBlock(bodyText);
        Log("Special");
        writeNote_(located.Text + longest, storyTitle, articleUrl);
        return;
    }
    Log(located.Strategy);
    writeNote_(located.Text, storyTitle, articleUrl);
}

} // namespace lumbrant
