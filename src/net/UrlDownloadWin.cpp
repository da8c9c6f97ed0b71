#include "net/FetchAddress.h"
#include "net/StatusLine.h"
#include "net/UrlDownload.h"

#include <cstdint>
#include <filesystem>
#include <system_error>
#include <urlmon.h>
#include <vector>
#include <windows.h>
#include <wininet.h>

namespace lumbrant {

namespace {

// The system's URL download works through COM objects; a fetch job's thread
// has not joined COM yet, so it joins for the download's length.
class ComApartment {
public:
    ComApartment() : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
    ~ComApartment() {
        if (joined_) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool joined_;
};

// A cache entry larger than this holds no plain response head.
constexpr DWORD kLargestCacheEntry = 64 * 1024;

// The system's download hands back a server's error page as a success; the
// response head it keeps in its cache says so. A redirect's head (3xx) was
// followed; without an entry nothing more is known.
bool AnsweredWithError(const std::string& url) {
    DWORD size = 0;
    GetUrlCacheEntryInfoA(url.c_str(), nullptr, &size);
    if (size == 0 || size > kLargestCacheEntry) {
        return false;
    }
    std::vector<std::uint64_t> buffer((size + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
    auto* entry = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
    if (!GetUrlCacheEntryInfoA(url.c_str(), entry, &size) || entry->lpHeaderInfo == nullptr) {
        return false;
    }
    return StatusCodeOfHead({entry->lpHeaderInfo, entry->dwHeaderInfoSize}) >= 400;
}

bool IsWithin(const std::string& path, std::size_t cap) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return !error && size <= cap;
}

} // namespace

// The system download has no time-out of its own and follows redirects by
// itself; the status and the size cap are checked once the file is there.
bool DownloadUrlToFile(const std::string& url, const std::string& path, const FetchLimits& limits) {
    if (!MayFetch(url)) {
        return false;
    }
    const ComApartment apartment;
    if (SUCCEEDED(URLDownloadToFileA(nullptr, url.c_str(), path.c_str(), 0, nullptr)) &&
        !AnsweredWithError(url) && IsWithin(path, limits.MaxBodyBytes)) {
        return true;
    }
    DeleteFileA(path.c_str());
    return false;
}

} // namespace lumbrant
