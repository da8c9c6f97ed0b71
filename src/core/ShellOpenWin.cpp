#include "core/ShellOpen.h"

// shellapi.h needs the types of windows.h before it.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

namespace lumbrant {

bool ShellOpen(const std::string& address) {
    // Handles are passed to a started program only when made inheritable,
    // which the program never does.
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

} // namespace lumbrant
