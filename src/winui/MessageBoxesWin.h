#pragma once

// The program's modal boxes on Windows, titled "Lumbrant": an OK box, the
// Yes/No question and an error's box. Tests put a recording double in
// their place. While a box is open, the thread's posted messages (a job's
// hand-over) are still handled.

#include "core/MainView.h"

#include <memory>
#include <string>
#include <windows.h>

namespace lumbrant {

inline constexpr const char* kBoxTitle = "Lumbrant";

class MessageBoxesWin {
public:
    virtual ~MessageBoxesWin() = default;

    // A modal box with an OK button.
    virtual void Information(HWND owner, const std::string& text) = 0;
    // A modal box of the information kind with Yes and No; Esc and its close
    // button answer neither.
    virtual BoxAnswer Question(HWND owner, const std::string& text) = 0;
    // A modal box with an error's text, the way unhandled errors are shown.
    virtual void Error(HWND owner, const std::string& text) = 0;

    static std::shared_ptr<MessageBoxesWin> System();
};

} // namespace lumbrant
