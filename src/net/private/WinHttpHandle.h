#pragma once

// What the WinHTTP client and the URL download share on Windows: owned
// WinHTTP handles, ANSI addresses made wide, and errors worded with the
// system's code.

#include <memory>
#include <stdexcept>
#include <string>

namespace lumbrant {

struct WinHttpClose {
    void operator()(void* handle) const;
};

// A WinHTTP handle (session, connection or request), closed however its use ends.
using WinHttpHandle = std::unique_ptr<void, WinHttpClose>;

// The address in the system's ANSI code page made wide, as the "A" functions
// of the system would read it.
std::wstring WidenAddress(const std::string& address);

// "<what> failed: Windows error <code>", with the calling thread's last error.
std::runtime_error WindowsError(const std::string& what);

} // namespace lumbrant
