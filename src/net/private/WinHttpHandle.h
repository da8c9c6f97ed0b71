#pragma once

// What the WinHTTP client and the URL download share on Windows: owned
// WinHTTP handles and errors worded with the system's code.

#include <memory>
#include <stdexcept>
#include <string>

namespace lumbrant {

struct WinHttpClose {
    void operator()(void* handle) const;
};

// A WinHTTP handle (session, connection or request), closed however its use ends.
using WinHttpHandle = std::unique_ptr<void, WinHttpClose>;

// "<what> failed: Windows error <code>", with the calling thread's last error.
std::runtime_error WindowsError(const std::string& what);

} // namespace lumbrant
