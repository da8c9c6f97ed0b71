#pragma once

// Everything the main window does, without the window: it owns the logic
// objects, wires them to the window's state and ports, and routes the job
// messages. The Qt window forwards its events here under the handlers' names.

#include "app/ArticleHandler.h"
#include "app/MainState.h"
#include "core/MainView.h"
#include "device/DeviceDetection.h"
#include "device/DeviceTransfer.h"
#include "device/DriveTable.h"
#include "frontpage/StoryQueue.h"
#include "notes/NoteWriter.h"
#include "core/JobPorts.h"
#include "retrieval/RunControl.h"
#include "settings/SettingsBackend.h"
#include "settings/SettingsStore.h"
#include "settings/StartupEntry.h"

#include <string>

namespace lumbrant {

struct AppPorts {
    MainView& View;
    JobStarter& Jobs;
    DriveTable& Drives;
    SettingsBackend& Settings;
    StartupEntry& Startup;
    std::string ExecutablePath;
};

class AppCore {
public:
    AppCore(MainState& state, AppPorts ports);

    // The window's construction after its controls exist: the settings (and
    // with them WorkDir). Errors are logged as "FormCreate:".
    void Construct();
    // Clears the run state; answers whether the reminder timer runs.
    bool FormCreate();
    // The first showing's device scan and its status text.
    void ShowFirstTime();
    void FormClose();

    // A job's hand-over, on the UI thread: its fields are written, then its
    // message is handled.
    void Deliver(const JobMessage& message);

    void OnFrontPageDone();
    void SunSimpleComboBoxCloseUp(int chosenIndex);

    RunControl& Run() { return run_; }
    DeviceDetection& Devices() { return detection_; }
    StoryQueue& Queue() { return queue_; }
    MainState& State() { return state_; }

private:
    MainState& state_;
    MainView& view_;
    StoryQueue queue_;
    NoteWriter notes_;
    DeviceTransfer transfer_;
    DeviceDetection detection_;
    RunControl run_;
    ArticleHandler articles_;
    SettingsStore settings_;
};

} // namespace lumbrant
