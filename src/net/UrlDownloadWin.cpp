#include "UrlBindingWin.h"
#include "WinHttpHandle.h"
#include "net/FetchAddress.h"
#include "net/UrlDownload.h"
#include "text/Encoding.h"
#include "text/FileIo.h"
#include "text/WideText.h"

#include <thread>
#include <urlmon.h>
#include <vector>
#include <wininet.h>

namespace lumbrant {

namespace {

constexpr int kMostRedirects = 10;

// The system's URL download works through COM objects and posts its news
// to the thread that started it, which therefore joins an apartment and
// pumps its messages; a thread of the download's own keeps that away from
// the caller's thread.
class ComApartment {
public:
    ComApartment() : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (joined_) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    bool Joined() const { return joined_; }

private:
    bool joined_;
};

// The address in the system's ANSI code page, as MayFetch reads addresses;
// empty (and so refused) when the code page cannot spell it exactly, since
// a guessed spelling could hide where the address leads.
std::string Narrow(const std::wstring& address) {
    if (address.empty()) {
        return {};
    }
    // UTF-8 spells every character but takes neither a lossy flag nor best fit.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL inexact = FALSE;
    BOOL* const lossy = utf8 ? nullptr : &inexact;
    const int size = static_cast<int>(address.size());
    const int length =
        WideCharToMultiByte(CP_ACP, flags, address.data(), size, nullptr, 0, nullptr, lossy);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, flags, address.data(), size, narrow.data(), length, nullptr, lossy);
    return inexact || length == 0 ? std::string() : narrow;
}

// Where location leads from base; empty when the two do not combine.
std::wstring Resolve(const std::wstring& base, const std::wstring& location) {
    std::vector<wchar_t> combined(INTERNET_MAX_URL_LENGTH + 1);
    DWORD length = 0;
    if (FAILED(CoInternetCombineUrl(base.c_str(), location.c_str(), 0, combined.data(),
                                    static_cast<DWORD>(combined.size()), &length, 0)) ||
        length >= combined.size()) {
        return {};
    }
    return std::wstring(combined.data(), length);
}

bool Rewind(HANDLE file) {
    return SetFilePointer(file, 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
           SetEndOfFile(file);
}

// Follows url and its redirects into file, each address checked before it
// is asked for anything. Answers the addresses asked, the first included.
bool FollowInto(HANDLE file, const std::string& url, const FetchLimits& limits,
                const std::atomic<bool>* stop, std::vector<std::wstring>& asked,
                std::string& contentType) {
    BindLimits bind;
    bind.Stop = stop;
    bind.Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(limits.DeadlineSeconds);
    bind.Stall = std::chrono::seconds(limits.StallSeconds);
    bind.MaxBodyBytes = limits.MaxBodyBytes;
    asked.push_back(text::ToWide(url));
    for (int redirects = 0;; ++redirects) {
        if (!Rewind(file)) {
            return false;
        }
        const BindOutcome outcome = BindAddress(asked.back(), file, bind);
        if (outcome.Arrived) {
            contentType = outcome.ContentType;
            return true;
        }
        if (outcome.Location.empty() || redirects == kMostRedirects) {
            return false;
        }
        std::wstring next = Resolve(asked.back(), outcome.Location);
        if (!MayFetch(Narrow(next))) {
            return false;
        }
        asked.push_back(std::move(next));
    }
}

// Runs on the download's own thread: the whole download into the file at own.
bool Download(const std::string& url, const std::string& own, const FetchLimits& limits,
              const std::atomic<bool>* stop, PageHead& head) {
    const ComApartment apartment;
    if (!apartment.Joined()) {
        return false;
    }
    // Without security attributes no program that this one starts inherits it.
    const HANDLE file = CreateFileA(own.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    std::vector<std::wstring> asked;
    std::string contentType;
    bool arrived = FollowInto(file, url, limits, stop, asked, contentType);
    arrived = CloseHandle(file) && arrived;
    head.Charset = text::CharsetOfContentType(contentType);
    head.Url = Narrow(asked.back());
    // The download is told to keep nothing in the system's cache; whatever
    // the system kept all the same goes.
    for (const std::wstring& address : asked) {
        DeleteUrlCacheEntryW(address.c_str());
    }
    return arrived;
}

} // namespace

// The system's download of every address runs on a thread of the download's
// own, which ends its binding at the deadline, after a stall or at the size
// cap, and which is joined before this returns.
bool DownloadUrlToFile(const std::string& url, const std::string& path, const FetchLimits& limits,
                       PageHead* head, const std::atomic<bool>* stop) {
    if (!MayFetch(url)) {
        return false;
    }
    // A file of the download's own, renamed into place only when whole.
    const std::string own = text::UniqueNameBeside(path, ".part");
    bool arrived = false;
    PageHead answered;
    std::thread download([&] { arrived = Download(url, own, limits, stop, answered); });
    download.join();
    if (arrived && MoveFileExA(own.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        if (head != nullptr) {
            *head = std::move(answered);
        }
        return true;
    }
    DeleteFileA(own.c_str());
    DeleteFileA(path.c_str());
    return false;
}

} // namespace lumbrant
