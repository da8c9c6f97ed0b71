#include "net/FetchAddress.h"
#include "net/StatusLine.h"
#include "net/UrlDownload.h"
#include "text/FileIo.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
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

// One system download on a thread of its own, shared by that thread and the
// caller, who may stop waiting for it.
struct SystemDownload {
    std::mutex Mutex;
    std::condition_variable Ended;
    bool Finished = false;
    bool Succeeded = false;
    bool GivenUp = false;
};

// Runs on the download's own thread. A download that was given up removes
// its file when it ends at last.
void Download(const std::shared_ptr<SystemDownload>& download, const std::string& url,
              const std::string& file) {
    bool succeeded = false;
    {
        const ComApartment apartment;
        succeeded = SUCCEEDED(URLDownloadToFileA(nullptr, url.c_str(), file.c_str(), 0, nullptr)) &&
                    !AnsweredWithError(url);
    }
    const std::lock_guard lock(download->Mutex);
    download->Finished = true;
    download->Succeeded = succeeded;
    if (download->GivenUp) {
        DeleteFileA(file.c_str());
    }
    download->Ended.notify_all();
}

} // namespace

// The system download follows redirects by itself and keeps no time-out
// that a caller sets, so it runs on a thread of its own and is given up at
// the deadline; its status and the size cap are checked once its file is there.
bool DownloadUrlToFile(const std::string& url, const std::string& path, const FetchLimits& limits) {
    if (!MayFetch(url)) {
        return false;
    }
    // A file of the download's own, so that a download given up never
    // writes into a file that a later one has made.
    const std::string own = text::UniqueNameBeside(path, ".part");
    const auto download = std::make_shared<SystemDownload>();
    std::thread([download, url, own] { Download(download, url, own); }).detach();
    std::unique_lock lock(download->Mutex);
    if (!download->Ended.wait_for(lock, std::chrono::seconds(limits.DeadlineSeconds),
                                  [&] { return download->Finished; })) {
        download->GivenUp = true;
        return false;
    }
    if (download->Succeeded && IsWithin(own, limits.MaxBodyBytes) &&
        MoveFileExA(own.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return true;
    }
    DeleteFileA(own.c_str());
    DeleteFileA(path.c_str());
    return false;
}

} // namespace lumbrant
