#include "net/LinkResolver.h"
#include "text/WideText.h"

#include <memory>
#include <string_view>
#include <urlmon.h>
#include <windows.h>

namespace lumbrant {

namespace {

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
    if (FAILED(CreateUri(text::ToWide(base, text::kUtf8CodePage).c_str(), Uri_CREATE_CANONICALIZE,
                         0, &baseUri))) {
        return {};
    }
    const std::unique_ptr<IUri, Release> ownedBase(baseUri);
    IUri* resolved = nullptr;
    if (FAILED(CoInternetCombineUrlEx(baseUri, text::ToWide(reference, text::kUtf8CodePage).c_str(),
                                      0, &resolved, 0))) {
        return {};
    }
    const std::unique_ptr<IUri, Release> ownedResolved(resolved);
    BSTR text = nullptr;
    if (FAILED(resolved->GetAbsoluteUri(&text)) || text == nullptr) {
        return {};
    }
    const std::unique_ptr<OLECHAR, FreeString> ownedText(text);
    return text::FromWide(std::wstring_view(text, SysStringLen(text)), text::kUtf8CodePage);
}

} // namespace lumbrant
