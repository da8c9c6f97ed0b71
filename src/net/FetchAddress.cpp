#include "net/FetchAddress.h"

#include "text/ByteText.h"

namespace lumbrant {

namespace {

bool IsWebAddress(const std::string& url) {
    const std::string lower = text::AsciiLower(url.substr(0, 8));
    return lower.rfind("http://", 0) == 0 || lower.rfind("https://", 0) == 0;
}

} // namespace

bool MayFetch(const std::string& url) {
    return IsWebAddress(url) && !NamesUserOrPassword(url);
}

} // namespace lumbrant
