#include "WinHttpHandle.h"

#include "net/FetchAddress.h"

#include <windows.h>
#include <winhttp.h>

namespace lumbrant {

void WinHttpClose::operator()(void* handle) const {
    WinHttpCloseHandle(handle);
}

std::wstring WidenAddress(const std::string& address) {
    if (address.empty()) {
        return {};
    }
    const int length = MultiByteToWideChar(CP_ACP, 0, address.data(),
                                           static_cast<int>(address.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, address.data(), static_cast<int>(address.size()), wide.data(),
                        length);
    return wide;
}

std::runtime_error WindowsError(const std::string& what) {
    return std::runtime_error(what + " failed: Windows error " + std::to_string(GetLastError()));
}

// WinHTTP reads the address as it would fetch it; what it cannot read is
// refused as well.
bool NamesUserOrPassword(const std::string& url) {
    const std::wstring wide = WidenAddress(url);
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
