#pragma once

// A run: "Get News" pressed, the front page (or the feeds of the country
// entry's feed edition) fetched and parsed, four article slots working
// through the story queue, and the end of the run once every started slot
// has reported finished. UI thread only.

#include "core/JobPorts.h"
#include "core/LogClass.h"
#include "core/MainView.h"
#include "core/NotesTransfer.h"
#include "frontpage/Editions.h"
#include "frontpage/StoryQueue.h"
#include "retrieval/RunState.h"

#include <memory>
#include <string>

namespace lumbrant {

inline constexpr std::string_view kDefaultNewsService = "http://news.google.com";

class RunControl {
public:
    // newsService is the settings' address of the news service (empty for
    // the built-in one) and workDir the folder of the edition file, both
    // read when a run starts.
    RunControl(RunState& state, const std::string& workDir, const std::string& newsService,
               const EditionTable& editions, MainView& view, JobStarter& jobs,
               NotesTransfer& transfer, StoryQueue& queue, const ErrorLog& log);

    void ButtonCopyClick();
    // The front page's message has reached the UI thread: its job counts as
    // finished from now on, so that a Stop stops the run.
    void FrontPageDelivered();
    void StartArticlePhase();
    // Starts the slot's next story, or counts the slot as finished when no
    // story is left, a stop was asked for, or its job cannot be started
    // (that is logged).
    void StartArticleSlot(int slot);
    // A slot's story has been handled, whatever came of it: the progress
    // moves on and the slot starts its next story.
    void ArticleHandled(int slot);
    void SlotFinished();
    void RequestClose();

    // Leaves a run that cannot go on (its front page could not be fetched or
    // handled) without touching any notes.
    void AbandonRun(const std::string& operation, const std::string& message);

    // The address of the edition's classic front page.
    std::string FrontPageAddress(const NewsEdition& edition) const;

private:
    void StartRun();
    // The front-page job of the edition: its feed edition's, or the classic one.
    std::shared_ptr<JobHandle> StartFrontPageJob(const NewsEdition& edition);
    void StopPress();
    void EndRun();

    RunState& state_;
    const std::string& workDir_;
    const std::string& newsService_;
    const EditionTable& editions_;
    MainView& view_;
    JobStarter& jobs_;
    NotesTransfer& transfer_;
    StoryQueue& queue_;
    const ErrorLog& log_;
    std::shared_ptr<JobHandle> FrontPageJob;
};

} // namespace lumbrant
