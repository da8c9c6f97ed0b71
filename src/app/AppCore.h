#pragma once

// Everything the main window does, without the window: it owns the logic
// objects, gives each the part of the field table it works on, and answers
// the window's events and the jobs' results under the handlers' names. The
// only code that sees the whole table.

#include "app/MainState.h"
#include "core/JobPorts.h"
#include "core/LogClass.h"
#include "core/MainView.h"
#include "device/DeviceDetection.h"
#include "device/DeviceTransfer.h"
#include "device/DriveTable.h"
#include "frontpage/Editions.h"
#include "frontpage/StoryQueue.h"
#include "notes/NoteWriter.h"
#include "retrieval/RunControl.h"
#include "settings/SettingsBackend.h"
#include "settings/SettingsStore.h"
#include "settings/StartupEntry.h"

#include <string>
#include <vector>

namespace lumbrant {

struct AppPorts {
    MainView& View;
    JobStarter& Jobs;
    DriveTable& Drives;
    SettingsBackend& Settings;
    StartupEntry& Startup;
    std::string ExecutablePath;
    const EditionTable& Editions = EditionTable::BuiltIn();
};

class AppCore {
public:
    AppCore(MainState& state, AppPorts ports);

    // The window's construction after its controls exist: the settings (and
    // with them WorkDir) and the story lists. Errors are logged as "FormCreate:".
    void Construct();
    // Clears the run state; answers whether the reminder timer runs.
    bool FormCreate();
    // The first showing's device scan and its status text; errors are
    // logged as "FormShow:".
    void FormShow();
    void FormClose();

    void ButtonCopyClick();
    void RequestClose();
    void TimerTimer();
    void SunSimpleComboBoxCloseUp(int chosenIndex);
    void iPodSelectorComCloseUp(int chosenIndex);
    void WMDeviceChange(unsigned wParam);

    // A job's result, on the UI thread: the front page is parsed (a feed
    // edition's feeds are read into the story lists); an article
    // page is handled, its outcome logged and its note written, and the slot
    // goes on with its next story whatever happened.
    void Deliver(const JobResult& result);

    // The error log, for what the window itself logs.
    const ErrorLog& Log() const { return log_; }

private:
    void OnFrontPageDone();
    void OnFeedsDone(const std::vector<FeedPage>& feeds);
    void OnArticleDone(const JobResult& result);
    void OnClassicArticle(const JobResult& result);
    void OnFeedArticle(const JobResult& result);

    MainState& state_;
    MainView& view_;
    ErrorLog log_;
    StoryQueue queue_;
    NoteWriter notes_;
    DeviceTransfer transfer_;
    DeviceDetection detection_;
    RunControl run_;
    SettingsStore settings_;
};

} // namespace lumbrant
