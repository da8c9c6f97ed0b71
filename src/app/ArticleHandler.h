#pragma once

// Turns an arrived article page into notes: looks the story up, cuts the
// page to its body, finds the article's text by the story's snippet, logs the
// outcome and hands the text to the note writer. Every path ends by
// restarting the slot, so that a slot always goes on with its next story.

#include "app/MainState.h"
#include "frontpage/StoryQueue.h"

#include <functional>
#include <string>

namespace lumbrant {

class ArticleHandler {
public:
    using NoteSink = std::function<void(const std::string& text, const std::string& storyTitle,
                                        const std::string& articleUrl)>;
    using SlotStarter = std::function<void(int slot)>;

    ArticleHandler(MainState& state, const StoryQueue& queue, NoteSink writeNote,
                   SlotStarter startSlot);

    // The handler of WM_ARTICLE_DONE_1 to 4 for slot 1 to 4.
    void OnArticleDone(int slot, int wParam);

private:
    void HandlePage(int slot);
    void Log(const std::string& entry);

    MainState& state_;
    const StoryQueue& queue_;
    NoteSink writeNote_;
    SlotStarter startSlot_;
};

// The page from its body tag on ("<body", else "<BODY", else "<Body"), or the whole page.
std::string BodyOf(const std::string& page);

} // namespace lumbrant
