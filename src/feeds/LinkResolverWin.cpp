#include "feeds/LinkResolver.h"

#include <shlwapi.h>
#include <string_view>
#include <windows.h>

namespace lumbrant {

namespace {

std::wstring Wide(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
    return out;
}

std::string Narrow(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

} // namespace

std::string ResolveReference(const std::string& base, const std::string& reference) {
    const std::wstring wideBase = Wide(base);
    const std::wstring wideReference = Wide(reference);
    DWORD size = 0;
    WCHAR probe[1];
    if (UrlCombineW(wideBase.c_str(), wideReference.c_str(), probe, &size, 0) != E_POINTER ||
        size == 0) {
        return {};
    }
    std::wstring out(size, L'\0');
    if (FAILED(UrlCombineW(wideBase.c_str(), wideReference.c_str(), out.data(), &size, 0))) {
        return {};
    }
    out.resize(size);
    return Narrow(out);
}

} // namespace lumbrant
