#pragma once

// A run: "Get News" pressed, the front page fetched and parsed, four article
// slots working through the story queue, and the end of the run once every
// started slot has reported finished. UI thread only.

#include "app/MainState.h"
#include "core/MainView.h"
#include "core/NotesTransfer.h"
#include "frontpage/StoryQueue.h"
#include "core/JobPorts.h"

#include <memory>
#include <string>

namespace lumbrant {

inline constexpr std::string_view kDefaultNewsService = "http://news.google.com";

class RunControl {
public:
    RunControl(MainState& state, MainView& view, JobStarter& jobs, NotesTransfer& transfer,
               StoryQueue& queue);

    void ButtonCopyClick();
    // The front page's message has reached the UI thread: its job counts as
    // finished from now on, so that a Stop stops the run.
    void FrontPageDelivered();
    void StartArticlePhase();
    // Starts the slot's next story, or counts the slot as finished when no
    // story is left, a stop was asked for, or its job cannot be started
    // (that is logged).
    void StartArticleSlot(int slot);
    void SlotFinished();
    void RequestClose();

    // Leaves a run that cannot go on (its front page could not be fetched or
    // handled) without touching any notes.
    void AbandonRun(const std::string& operation, const std::string& message);

    // The front page's address for the country entry text.
    std::string EditionAddress(const std::string& countryEntry) const;

private:
    void StartRun();
    void StopPress();

    MainState& state_;
    MainView& view_;
    JobStarter& jobs_;
    NotesTransfer& transfer_;
    StoryQueue& queue_;
    std::shared_ptr<JobHandle> FrontPageJob;
};

} // namespace lumbrant
