#pragma once

// The main window: builds the controls, owns the state, implements the view
// port and forwards clicks, timer ticks, device changes and job results to
// the core's handlers.

#include "app/AppCore.h"
#include "app/MainState.h"
#include "core/MainView.h"
#include "device/DriveTable.h"
#include "frontpage/Editions.h"
#include "net/FetchLimits.h"
#include "retrieval/HandOverPort.h"
#include "settings/SettingsBackend.h"
#include "settings/StartupEntry.h"
#include "ui/DeviceArrivalWatcher.h"

#include <QWidget>
#include <functional>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace lumbrant {

class LinkLabel;
class StatusLine;

// What the window talks to outside itself. System() gives the real ones;
// tests swap in their own.
struct FormDependencies {
    std::unique_ptr<DriveTable> Drives;
    std::unique_ptr<SettingsBackend> Settings;
    std::unique_ptr<StartupEntry> Startup;
    std::string ExecutablePath;
    FetchLimits Limits;
    // What reports the system's device changes; none hears nothing.
    std::unique_ptr<DeviceArrivalWatcher> Arrivals;
    // The editions the Country selector offers.
    const EditionTable* Editions = &EditionTable::BuiltIn();

    static FormDependencies System();
};

class TFormMain : public QWidget, public MainView {
    Q_OBJECT
public:
    explicit TFormMain(FormDependencies dependencies, QWidget* parent = nullptr);
    ~TFormMain() override;

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
    QTimer* ReminderTimer() const { return Timer; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void FormCreate();
    void FormShow();
    // Runs a handler the way the window's framework would: an error that
    // escapes it is shown in a box and the program goes on.
    void Guarded(const std::function<void()>& handler);

    MainState state_;
    FormDependencies dependencies_;
    std::shared_ptr<HandOverPort> port_;
    std::unique_ptr<JobStarter> jobs_;
    std::unique_ptr<AppCore> core_;
    bool shown_ = false;

    StatusLine* Notifier = nullptr;
    QPushButton* XP_ButtonSmall1 = nullptr;
    QPushButton* XP_ButtonSmall2 = nullptr;
    QPushButton* XP_ButtonSmall3 = nullptr;
    QFrame* Panel2 = nullptr;
    QFrame* Panel3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* Label4 = nullptr;
    LinkLabel* Label5 = nullptr;
    QComboBox* iPodSelectorCom = nullptr;
    QComboBox* SunSimpleComboBox = nullptr;
    QPushButton* ButtonCopy = nullptr;
    QTimer* Timer = nullptr;
};

} // namespace lumbrant
