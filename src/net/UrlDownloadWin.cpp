#include "net/FetchAddress.h"
#include "net/UrlDownload.h"

#include <filesystem>
#include <system_error>
#include <urlmon.h>
#include <windows.h>

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

bool IsWithin(const std::string& path, std::size_t cap) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return !error && size <= cap;
}

} // namespace

// The system download has no time-out of its own and follows redirects by
// itself; the size cap is checked once the file is there.
bool DownloadUrlToFile(const std::string& url, const std::string& path, const FetchLimits& limits) {
    if (!MayFetch(url)) {
        return false;
    }
    const ComApartment apartment;
    if (SUCCEEDED(URLDownloadToFileA(nullptr, url.c_str(), path.c_str(), 0, nullptr)) &&
        IsWithin(path, limits.MaxBodyBytes)) {
        return true;
    }
    DeleteFileA(path.c_str());
    return false;
}

} // namespace lumbrant
