#pragma once

// The close question's box: a system dialog of its own with the
// information icon, the text, "Yes" (the default) and "No". Unlike the
// system's Yes/No message box and its task dialog, Esc and the box's close
// button close it, answering neither.

#include "core/MainView.h"

#include <string>
#include <windows.h>

namespace lumbrant {

// Control identifiers of the box's buttons: IDYES and IDNO.
BoxAnswer AskYesNoBox(HWND owner, const std::string& title, const std::string& text);

} // namespace lumbrant
