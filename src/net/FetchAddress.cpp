#include "net/FetchAddress.h"

#include "text/ByteText.h"

namespace lumbrant {

bool MayFetch(const std::string& url) {
    return text::IsWebAddress(url) && !NamesUserOrPassword(url);
}

} // namespace lumbrant
