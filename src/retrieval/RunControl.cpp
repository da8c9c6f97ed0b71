#include "retrieval/RunControl.h"

#include "feeds/Edition.h"
#include "frontpage/Editions.h"

#include <exception>
#include <stdexcept>

namespace lumbrant {

RunControl::RunControl(RunState& state, const std::string& workDir, const std::string& newsService,
                       const EditionTable& editions, MainView& view, JobStarter& jobs,
                       NotesTransfer& transfer, StoryQueue& queue, const ErrorLog& log)
    : state_(state), workDir_(workDir), newsService_(newsService), editions_(editions), view_(view),
      jobs_(jobs), transfer_(transfer), queue_(queue), log_(log) {}

std::string RunControl::FrontPageAddress(const NewsEdition& edition) const {
    const std::string service =
        newsService_.empty() ? std::string(kDefaultNewsService) : newsService_;
    return service + "/news?ned=" + edition.FrontPageCode;
}

void RunControl::ButtonCopyClick() {
    if (state_.Running) {
        StopPress();
    } else {
        StartRun();
    }
}

void RunControl::StartRun() {
    state_.Running = true;
    state_.StopRequested = false;
    view_.SetButtonCaption("Stop");
    const std::string entry = view_.CountryEntryText();
    const NewsEdition* edition = editions_.Find(entry);
    if (edition == nullptr) {
        AbandonRun("ButtonCopyClick:", "no edition is called \"" + entry + "\"");
        return;
    }
    try {
        FrontPageJob = StartFrontPageJob(*edition);
    } catch (const std::exception& error) {
        AbandonRun("ButtonCopyClick:", error.what());
        return;
    }
    transfer_.DeleteOldNotes("local");
}

std::shared_ptr<JobHandle> RunControl::StartFrontPageJob(const NewsEdition& newsEdition) {
    const std::optional<Edition> edition =
        newsEdition.FeedsMayReplace ? LoadEdition(workDir_, newsEdition.Entry) : std::nullopt;
    state_.FeedEdition = edition.has_value();
    if (!edition) {
        return jobs_.StartFrontPageJob(FrontPageAddress(newsEdition));
    }
    for (const std::string& passedOver : edition->PassedOver) {
        log_.Write("FrontPage:" + passedOver);
    }
    if (edition->Feeds.empty()) {
        throw std::runtime_error("the edition of " + newsEdition.Entry + " names no feed to read");
    }
    state_.FeedItems = edition->Items;
    return jobs_.StartFeedJob(edition->Feeds);
}

void RunControl::AbandonRun(const std::string& operation, const std::string& message) {
    log_.Write(operation + message);
    EndRun();
    view_.ShowStatus("Get News Stoped");
}

void RunControl::EndRun() {
    FrontPageJob.reset();
    state_.FinishedSlots = 0;
    state_.StartedSlots = 0;
    state_.Running = false;
    state_.StoriesInRun = 0;
    state_.StoriesHandled = 0;
    view_.ShowRunProgress(0, 0);
    view_.SetButtonCaption("Get News");
    log_.Flush();
}

void RunControl::StopPress() {
    if (FrontPageJob && !FrontPageJob->Terminated()) {
        FrontPageJob->Terminate();
        // A feed edition's job gives its feeds up at once, and the run ends
        // as a stopped run; a classic front page is only marked.
        if (!state_.FeedEdition) {
            view_.ShowStatus("Ready to Get News");
            return;
        }
    }
    state_.StopRequested = true;
    view_.ShowStatus("Stoping Getting now, Please Wait...");
}

void RunControl::FrontPageDelivered() {
    if (FrontPageJob) {
        FrontPageJob->Terminate();
    }
}

void RunControl::StartArticlePhase() {
    // All four count from the start, so that a slot finishing at once does
    // not end the run while the slots after it are still to start.
    state_.StartedSlots = kSlotCount;
    state_.StoriesInRun = queue_.WaitingStories();
    state_.StoriesHandled = 0;
    view_.ShowRunProgress(0, state_.StoriesInRun);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        StartArticleSlot(slot);
    }
}

void RunControl::StartArticleSlot(int slot) {
    std::string articleUrl;
    std::string categoryCode;
    std::string storyId;
    queue_.TakeNextStory(articleUrl, categoryCode, storyId);
    if (categoryCode == kNoSection || state_.StopRequested) {
        SlotFinished();
        return;
    }
    try {
        jobs_.StartArticleJob(slot, articleUrl, categoryCode, storyId);
    } catch (const std::exception& error) {
        log_.Write(std::string("StartArticleSlot:") + error.what());
        SlotFinished();
    }
}

void RunControl::ArticleHandled(int slot) {
    if (state_.Running) {
        ++state_.StoriesHandled;
        view_.ShowRunProgress(state_.StoriesHandled, state_.StoriesInRun);
    }
    StartArticleSlot(slot);
}

void RunControl::SlotFinished() {
    if (!state_.Running) {
        return;
    }
    ++state_.FinishedSlots;
    if (state_.FinishedSlots != state_.StartedSlots) {
        return;
    }
    EndRun();
    const bool copiedWhole = transfer_.CopyNotesToDevice();
    view_.ShowStatus(copiedWhole ? "Get News Stoped" : "iPod copy incomplete");
}

void RunControl::RequestClose() {
    try {
        if (!state_.Running) {
            view_.CloseWindow();
            return;
        }
        switch (view_.AskYesNo("Force terminat(Yes) or moderate stop(No)?")) {
        case BoxAnswer::Yes:
            transfer_.CopyNotesToDevice();
            view_.CloseWindow();
            break;
        case BoxAnswer::No:
            // The run goes on behind the box and may have ended meanwhile;
            // then there is nothing to stop, and its final status stays.
            if (state_.Running) {
                state_.StopRequested = true;
                view_.ShowStatus("Stoping Getting now, Please Wait...");
            }
            break;
        case BoxAnswer::None:
            break;
        }
    } catch (...) {
        // A failed close question must neither close nor disturb the run.
    }
}

} // namespace lumbrant
