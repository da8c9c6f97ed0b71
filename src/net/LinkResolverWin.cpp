#include "net/LinkResolver.h"

#include <memory>
#include <string_view>
#include <urlmon.h>
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

struct Release {
    void operator()(IUnknown* object) const { object->Release(); }
};

struct FreeString {
    void operator()(BSTR text) const { SysFreeString(text); }
};

} // namespace

// The URI objects of urlmon resolve as RFC 3986 does; UrlCombine, older,
// leaves dot segments in place and drops a query's path.
std::string ResolveReference(const std::string& base, const std::string& reference) {
    IUri* baseUri = nullptr;
    if (FAILED(CreateUri(Wide(base).c_str(), Uri_CREATE_CANONICALIZE, 0, &baseUri))) {
        return {};
    }
    const std::unique_ptr<IUri, Release> ownedBase(baseUri);
    IUri* resolved = nullptr;
    if (FAILED(CoInternetCombineUrlEx(baseUri, Wide(reference).c_str(), 0, &resolved, 0))) {
        return {};
    }
    const std::unique_ptr<IUri, Release> ownedResolved(resolved);
    BSTR text = nullptr;
    if (FAILED(resolved->GetAbsoluteUri(&text)) || text == nullptr) {
        return {};
    }
    const std::unique_ptr<OLECHAR, FreeString> ownedText(text);
    return Narrow(std::wstring_view(text, SysStringLen(text)));
}

} // namespace lumbrant
