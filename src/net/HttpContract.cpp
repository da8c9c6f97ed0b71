#include "net/HttpContract.h"

#include <stdexcept>

namespace lumbrant {

bool IsPageStatus(long status) {
    return status >= 200 && status <= 299;
}

void FailOnStatus(long status) {
    throw std::runtime_error("HTTP/1.1 " + std::to_string(status));
}

void RefuseAddress() {
    throw std::runtime_error(
        "Only http and https addresses without a user name or password are fetched.");
}

void FailOverSize(const std::string& url) {
    throw std::runtime_error("The page is larger than the download limit: " + url);
}

void FailOverTime(const std::string& url) {
    throw std::runtime_error("The download took longer than its limit: " + url);
}

} // namespace lumbrant
