#pragma once

// One story's article message as the UI thread handles it: the page handled,
// its outcome logged and its note written by a real note writer, in a fresh work folder under
// the system's temporary folder that goes at the end.

#include "article/ArticleHandler.h"
#include "core/LogClass.h"
#include "notes/NoteWriter.h"

#include <filesystem>

namespace lumbrant::bench {

class ArticleMessageRig {
public:
    ArticleMessageRig(const std::string& folderName, const std::string& articleUrl,
                      const std::string& storyTitle, const std::string& snippet)
        : folder_(std::filesystem::temp_directory_path() / folderName),
          workDir_(folder_.string()), story_{articleUrl, storyTitle, snippet} {
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    ~ArticleMessageRig() { std::filesystem::remove_all(folder_); }
    ArticleMessageRig(const ArticleMessageRig&) = delete;
    ArticleMessageRig& operator=(const ArticleMessageRig&) = delete;

    // The page arrives, as the job hands it over.
    void Receive(const std::string& page) { page_ = page; }
    void Handle() {
        const ArticleOutcome outcome = HandleArticlePage(page_, story_, SiteList::Load(workDir_));
        log_.Write(outcome.LogEntry);
        if (outcome.NoteText) {
            writer_.WriteNewsNote(*outcome.NoteText, story_.StoryTitle, story_.ArticleUrl);
        }
    }

    std::filesystem::path NewsFolder() const { return folder_ / "news"; }

private:
    std::filesystem::path folder_;
    std::string workDir_;
    StoryRecord story_;
    std::string page_;
    int noteCounter_ = 0;
    int logCounter_ = 0;
    ErrorLog log_{workDir_, logCounter_};
    NoteWriter writer_{workDir_, noteCounter_};
};

} // namespace lumbrant::bench
