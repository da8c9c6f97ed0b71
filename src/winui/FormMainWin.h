#pragma once

// The main window on Windows: builds the controls from the shared skin, owns
// the state, implements the view port and forwards clicks, selector
// close-ups, timer ticks, device changes and job results to the core's
// handlers. A job hands its result over by a message posted to the window.

#include "app/AppCore.h"
#include "app/MainState.h"
#include "core/MainView.h"
#include "device/DriveTable.h"
#include "frontpage/Editions.h"
#include "net/FetchLimits.h"
#include "retrieval/HandOverPort.h"
#include "settings/SettingsBackend.h"
#include "settings/StartupEntry.h"
#include "skin/MainLayout.h"
#include "winui/MessageBoxesWin.h"
#include "winui/SkinnedWindowWin.h"

#include <functional>
#include <memory>
#include <optional>

namespace lumbrant {

// What the window talks to outside itself. System() gives the real ones;
// tests swap in their own.
struct FormDependenciesWin {
    std::unique_ptr<DriveTable> Drives;
    std::unique_ptr<SettingsBackend> Settings;
    std::unique_ptr<StartupEntry> Startup;
    std::string ExecutablePath;
    FetchLimits Limits;
    // The editions the Country selector offers and a run fetches.
    const EditionTable* Editions = &EditionTable::BuiltIn();
    std::shared_ptr<MessageBoxesWin> Boxes;
    // Opens an address with the desktop; false when it could not.
    std::function<bool(const std::string&)> OpenAddress;
    // Whether closing the window ends the thread's message loop.
    bool EndsMessageLoop = false;

    static FormDependenciesWin System();
};

class FormMainWin : public SkinnedWindowWin, public MainView {
public:
    // The message a job's hand-over is posted with.
    static constexpr UINT kHandOverMessage = WM_APP + 9;

    explicit FormMainWin(FormDependenciesWin dependencies);
    ~FormMainWin() override;

    // Shows the window; the first showing centres it and scans for devices.
    void Show();

    // MainView
    void ShowStatus(const std::string& text) override;
    void SetButtonCaption(const std::string& caption) override;
    void ShowRunProgress(int handled, int total) override;
    std::string CountryEntryText() const override;
    void ClearDeviceEntries() override;
    void AddDeviceEntry(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    BoxAnswer AskYesNo(const std::string& text) override;
    void CloseWindow() override;

    MainState& State() { return state_; }
    AppCore& Core() { return *core_; }
    bool ReminderRunning() const { return reminderRunning_; }
    // What the status line shows, and its bar (handled, total).
    const std::string& StatusText() const { return status_; }
    std::pair<int, int> Progress() const { return {handled_, total_}; }
    // Where a panel's label lies in the window, as wide as its face draws it.
    std::optional<skin::Rect> LabelBox(std::string_view name) const;

protected:
    void PaintBackground(Gdiplus::Graphics& graphics) override;
    void PaintForeground(Gdiplus::Graphics& graphics) override;
    void OnCommand(int id, int code, HWND control) override;
    bool HoldsStill(POINT point) const override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct Label {
        skin::PanelLabel Text;
        skin::Rect Box;
        std::string Address; // of a link; empty for a plain label
    };

    void BuildControls();
    HWND MakeSelector(std::string_view name, int id, const skin::Rect& place);
    void FormCreate();
    void FormShow();
    // The close accepted: no hand-over is handled any more, the settings are
    // saved and the window goes.
    void FormClose();
    // Deletes the hand-over tasks posted to the window and not yet run.
    void DropPostedTasks();
    const Label* LabelAt(POINT point) const;
    // Runs a handler the way the window's framework would: an error that
    // escapes it is shown in a box and the program goes on.
    void Guarded(const std::function<void()>& handler);

    MainState state_;
    FormDependenciesWin dependencies_;
    std::shared_ptr<HandOverPort> port_;
    std::unique_ptr<JobStarter> jobs_;
    std::unique_ptr<AppCore> core_;
    std::vector<Label> labels_;
    bool shown_ = false;
    bool closed_ = false;
    bool reminderRunning_ = false;
    std::string status_;
    int handled_ = 0;
    int total_ = 0;
    const Label* pressedLink_ = nullptr;

    HWND ButtonCopy = nullptr;
    HWND iPodSelectorCom = nullptr;
    HWND SunSimpleComboBox = nullptr;
};

} // namespace lumbrant
