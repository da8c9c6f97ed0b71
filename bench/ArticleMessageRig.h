#pragma once

// One story's article message as the UI thread handles it: the article
// handler over a real note writer, in a fresh work folder under the system's
// temporary folder that goes at the end.

#include "app/ArticleHandler.h"
#include "notes/NoteWriter.h"

#include <filesystem>

namespace lumbrant::bench {

class ArticleMessageRig {
public:
    // The story of slot 1, in the first section.
    ArticleMessageRig(const std::string& folderName, const std::string& articleUrl,
                      const std::string& storyTitle, const std::string& snippet)
        : folder_(std::filesystem::temp_directory_path() / folderName) {
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        state_.WorkDir = folder_.string();
        state_.StoryLists[0] = {"Readed", articleUrl, storyTitle, snippet};
        // Assigned from strings: GCC 12 warns wrongly when a literal is assigned here.
        state_.SlotCategoryCode[0] = std::string("TO");
        state_.SlotStoryId[0] = std::string("1");
    }
    ~ArticleMessageRig() { std::filesystem::remove_all(folder_); }
    ArticleMessageRig(const ArticleMessageRig&) = delete;
    ArticleMessageRig& operator=(const ArticleMessageRig&) = delete;

    // The page arrives for slot 1, as the hand-over stores it.
    void Receive(const std::string& page) { state_.SlotPageText[0] = page; }
    void Handle() { handler_.OnArticleDone(1, 0); }

    std::filesystem::path NewsFolder() const { return folder_ / "news"; }

private:
    std::filesystem::path folder_;
    MainState state_;
    StoryQueue queue_{state_.StoryLists};
    NoteWriter writer_{state_};
    ArticleHandler handler_{
        state_, queue_,
        [this](const std::string& text, const std::string& title, const std::string& url) {
            writer_.WriteNewsNote(text, title, url);
        },
        [](int) {}};
};

} // namespace lumbrant::bench
