#include "app/AppCore.h"

#include "article/ArticleHandler.h"
#include "article/FeedArticle.h"
#include "article/SiteList.h"
#include "core/Paths.h"
#include "feeds/FeedStories.h"
#include "frontpage/FrontPageParser.h"
#include "text/ByteText.h"
#include "text/FileIo.h"

#include <exception>

namespace lumbrant {

namespace {

constexpr int kLoggingFailureSlot = 3;

} // namespace

AppCore::AppCore(MainState& state, AppPorts ports)
    : state_(state), view_(ports.View), log_(state.WorkDir, state.LogCounter),
      queue_(state.StoryLists), notes_(state.WorkDir, state.NoteCounter),
      transfer_(state, state.WorkDir, ports.View, log_),
      detection_(state, ports.View, ports.Drives, log_),
      run_(state, state.WorkDir, state.NS, ports.Editions, ports.View, ports.Jobs, transfer_,
           queue_, log_),
      settings_(state, state.WorkDir, ports.Settings, ports.Startup, ports.ExecutablePath, log_) {}

void AppCore::Construct() {
    try {
        settings_.ReadRegistry();
        for (auto& list : state_.StoryLists) {
            list.clear();
        }
    } catch (const std::exception& error) {
        log_.Write(std::string("FormCreate:") + error.what());
    }
}

bool AppCore::FormCreate() {
    state_.Running = false;
    state_.StopRequested = false;
    state_.FinishedSlots = 0;
    state_.StartedSlots = 0;
    state_.NoteCounter = 0;
    return state_.AG;
}

void AppCore::FormShow() {
    try {
        const bool found = detection_.GetiPodDriver();
        view_.ShowStatus(found ? "Ready to Getting News..." : "No iPod Detected...");
    } catch (const std::exception& error) {
        log_.Write(std::string("FormShow:") + error.what());
    }
}

void AppCore::FormClose() {
    settings_.WriteRegistry();
    log_.Flush();
}

void AppCore::ButtonCopyClick() {
    run_.ButtonCopyClick();
}

void AppCore::RequestClose() {
    run_.RequestClose();
}

void AppCore::TimerTimer() {
    view_.ShowMessage("Get Now!");
}

void AppCore::SunSimpleComboBoxCloseUp(int chosenIndex) {
    state_.CountryIndex = chosenIndex;
}

void AppCore::iPodSelectorComCloseUp(int chosenIndex) {
    detection_.iPodSelectorComCloseUp(chosenIndex);
}

void AppCore::WMDeviceChange(unsigned wParam) {
    detection_.WMDeviceChange(wParam);
}

void AppCore::Deliver(const JobResult& result) {
    if (result.Slot == kFrontPageSlot) {
        run_.FrontPageDelivered();
        if (result.Feeds) {
            OnFeedsDone(*result.Feeds);
            return;
        }
        if (result.Failed) {
            // Nothing new to read: the run ends here, and the player keeps its notes.
            run_.AbandonRun("FrontPage:", "the front page could not be fetched: " + result.Reason);
            return;
        }
        state_.FrontPageText = result.Page;
        OnFrontPageDone();
        return;
    }
    OnArticleDone(result);
}

void AppCore::OnFrontPageDone() {
    try {
        text::WriteFileAtomic(JoinPath(state_.WorkDir, "google.html"),
                              text::NormalizeLines(state_.FrontPageText));
    } catch (const std::exception& error) {
        // Without its page copy the parse does not run, and a run that parses
        // nothing would never end: say why, and go back to Idle.
        view_.ShowMessage(error.what());
        run_.AbandonRun("OnFrontPageDone:", error.what());
        return;
    }
    ParseFrontPageSections(state_.FrontPageText, state_.StoryLists);
    run_.StartArticlePhase();
}

void AppCore::OnFeedsDone(const std::vector<FeedPage>& feeds) {
    // A feed edition has no front page, so the copy of the last one stays.
    AddFeedStories(feeds, state_.FeedItems, state_.StoryLists, log_);
    run_.StartArticlePhase();
}

void AppCore::OnArticleDone(const JobResult& result) {
    const int slot = result.Slot;
    try {
        if (state_.FeedEdition) {
            OnFeedArticle(result);
        } else {
            OnClassicArticle(result);
        }
        run_.ArticleHandled(slot);
    } catch (const std::exception& error) {
        log_.Write(std::string("!!! ") + error.what());
        run_.ArticleHandled(slot);
    }
}

void AppCore::OnClassicArticle(const JobResult& result) {
    if (result.Failed) {
        // Only this slot's handler ever logged a failed download.
        if (result.Slot == kLoggingFailureSlot) {
            log_.Write("Not Get Html!");
        }
        return;
    }
    const StoryRecord story = queue_.LookUpStory(result.CategoryCode, result.StoryId);
    const ArticleOutcome outcome =
        HandleArticlePage(result.Page, story, SiteList::Load(state_.WorkDir));
    log_.Write(outcome.LogEntry);
    if (outcome.NoteText) {
        notes_.WriteNewsNote(*outcome.NoteText, story.StoryTitle, story.ArticleUrl);
    }
}

void AppCore::OnFeedArticle(const JobResult& result) {
    // Every story of a feed edition gets a note: its article, or its summary.
    const StoryRecord story = queue_.LookUpStory(result.CategoryCode, result.StoryId);
    const ArticleOutcome outcome =
        result.Failed ? SummaryOnly(story, "the page could not be fetched: " + result.Reason)
                      : HandleFeedArticlePage(result.Page, result.Charset, story);
    log_.Write(outcome.LogEntry);
    notes_.WriteNewsNote(outcome.NoteText.value_or(std::string()), story.StoryTitle,
                         story.ArticleUrl, StoryText::Utf8Article);
}

} // namespace lumbrant
