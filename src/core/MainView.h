#pragma once

// What the program's logic needs of the main window. The Qt window
// implements it; tests use a recording fake.

#include <string>

namespace lumbrant {

enum class BoxAnswer { Yes, No, None };

class MainView {
public:
    virtual ~MainView() = default;

    // Puts a text on the status line (the window applies the length rule of FormatStatus).
    virtual void ShowStatus(const std::string& text) = 0;
    virtual void SetButtonCaption(const std::string& caption) = 0;
    // The run's progress: handled of total stories; a total of 0 shows none.
    virtual void ShowRunProgress(int handled, int total) = 0;
    // The country selector's chosen entry text.
    virtual std::string CountryEntryText() const = 0;
    // The device selector.
    virtual void ClearDeviceEntries() = 0;
    virtual void AddDeviceEntry(const std::string& text) = 0; // appended and selected
    // A modal box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // A modal box of the information kind with Yes and No.
    virtual BoxAnswer AskYesNo(const std::string& text) = 0;
    virtual void CloseWindow() = 0;
};

} // namespace lumbrant
