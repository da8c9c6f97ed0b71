#include "WinHttpHandle.h"

#include "net/FetchAddress.h"
#include "text/WideText.h"

#include <windows.h>
#include <winhttp.h>

namespace lumbrant {

void WinHttpClose::operator()(void* handle) const {
    WinHttpCloseHandle(handle);
}

std::runtime_error WindowsError(const std::string& what) {
    return std::runtime_error(what + " failed: Windows error " + std::to_string(GetLastError()));
}

// WinHTTP reads the address as it would fetch it; what it cannot read is
// refused as well.
bool NamesUserOrPassword(const std::string& url) {
    const std::wstring wide = text::ToWide(url);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwUserNameLength = static_cast<DWORD>(-1);
    parts.dwPasswordLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(wide.c_str(), static_cast<DWORD>(wide.size()), 0, &parts)) {
        return true;
    }
    return parts.dwUserNameLength != 0 || parts.dwPasswordLength != 0;
}

} // namespace lumbrant
