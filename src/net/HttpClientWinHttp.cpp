#include "WinHttpHandle.h"
#include "net/FetchAddress.h"
#include "net/HttpClient.h"
#include "net/HttpContract.h"
#include "text/Encoding.h"
#include "text/WideText.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <windows.h>
#include <winhttp.h>

namespace lumbrant {

// WinHTTP keeps cookies and pooled connections per session.
struct HttpClient::Session {
    WinHttpHandle Handle;
};

namespace {

using Clock = std::chrono::steady_clock;

DWORD Milliseconds(long seconds) {
    return static_cast<DWORD>(seconds) * 1000u;
}

void SetOption(HINTERNET handle, DWORD option, DWORD value, const char* what) {
    if (!WinHttpSetOption(handle, option, &value, sizeof value)) {
        throw WindowsError(what);
    }
}

struct Target {
    std::wstring Host;
    INTERNET_PORT Port = 0;
    std::wstring PathAndQuery;
    bool Secure = false;
};

Target CrackTarget(const std::wstring& url) {
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts)) {
        throw WindowsError("WinHttpCrackUrl");
    }
    Target target;
    target.Host.assign(parts.lpszHostName, parts.dwHostNameLength);
    target.Port = parts.nPort;
    target.PathAndQuery.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
    target.PathAndQuery.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    // The fragment stays with the client, as every browser keeps it.
    target.PathAndQuery.erase(std::min(target.PathAndQuery.find(L'#'), target.PathAndQuery.size()));
    if (target.PathAndQuery.empty()) {
        target.PathAndQuery = L"/";
    }
    target.Secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    return target;
}

DWORD StatusCode(HINTERNET request) {
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size,
                             WINHTTP_NO_HEADER_INDEX)) {
        throw WindowsError("WinHttpQueryHeaders");
    }
    return status;
}

// WinHTTP bounds each wait for data but not the whole transfer: each wait
// is cut to what is left of the deadline.
std::string ReadBody(HINTERNET request, const FetchLimits& limits, Clock::time_point deadline,
                     const std::string& url) {
    std::string body;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            FailOverTime(url);
        }
        SetOption(request, WINHTTP_OPTION_RECEIVE_TIMEOUT,
                  std::min(Milliseconds(limits.StallSeconds), static_cast<DWORD>(left)),
                  "WINHTTP_OPTION_RECEIVE_TIMEOUT");
        DWORD available = 0;
        if (!WinHttpQueryDataAvailable(request, &available)) {
            throw WindowsError("WinHttpQueryDataAvailable");
        }
        if (available == 0) {
            return body;
        }
        if (available > limits.MaxBodyBytes - body.size()) {
            FailOverSize(url);
        }
        const std::size_t at = body.size();
        body.resize(at + available);
        DWORD got = 0;
        if (!WinHttpReadData(request, body.data() + at, available, &got)) {
            throw WindowsError("WinHttpReadData");
        }
        body.resize(at + got);
    }
}

// The answer's Content-Type, in the bytes its characters stand for; empty when none.
// Asked for its size first, so that a long value keeps its charset.
std::string ContentType(HINTERNET request) {
    DWORD size = 0;
    if (WinHttpQueryHeaders(request, WINHTTP_QUERY_CONTENT_TYPE, WINHTTP_HEADER_NAME_BY_INDEX,
                            WINHTTP_NO_OUTPUT_BUFFER, &size, WINHTTP_NO_HEADER_INDEX) ||
        GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        return {};
    }
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_CONTENT_TYPE, WINHTTP_HEADER_NAME_BY_INDEX,
                             value.data(), &size, WINHTTP_NO_HEADER_INDEX)) {
        return {};
    }
    std::string narrow;
    for (std::size_t k = 0; k < size / sizeof(wchar_t) && value[k] != L'\0'; ++k) {
        narrow += value[k] < 0x80 ? static_cast<char>(value[k]) : '?';
    }
    return narrow;
}

// While it lives, closes the request from a thread of its own once stop is
// set: WinHTTP then ends whatever call the request waits in. The request is
// let go of here when it was closed, so that it is closed once.
class ClosesWhenStopped {
public:
    ClosesWhenStopped(WinHttpHandle& request, const std::atomic<bool>* stop) : request_(request) {
        if (stop == nullptr) {
            return;
        }
        watcher_ = std::thread([this, stop, handle = request.get()] {
            std::unique_lock lock(mutex_);
            while (!done_) {
                if (stop->load()) {
                    closed_ = WinHttpCloseHandle(handle) != FALSE;
                    return;
                }
                wake_.wait_for(lock, std::chrono::milliseconds(100));
            }
        });
    }
    ~ClosesWhenStopped() {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        if (watcher_.joinable()) {
            watcher_.join();
        }
        if (closed_) {
            static_cast<void>(request_.release());
        }
    }
    ClosesWhenStopped(const ClosesWhenStopped&) = delete;
    ClosesWhenStopped& operator=(const ClosesWhenStopped&) = delete;

private:
    WinHttpHandle& request_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    bool closed_ = false;
    std::thread watcher_;
};

} // namespace

HttpClient::HttpClient(FetchLimits limits)
    : session_(std::make_unique<Session>()), limits_(limits) {
    const std::wstring agent = text::ToWide(kUserAgent);
    session_->Handle.reset(WinHttpOpen(agent.c_str(), WINHTTP_ACCESS_TYPE_NO_PROXY,
                                       WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session_->Handle) {
        throw WindowsError("WinHttpOpen");
    }
    const auto connect = static_cast<int>(Milliseconds(limits_.ConnectTimeoutSeconds));
    const auto stall = static_cast<int>(Milliseconds(limits_.StallSeconds));
    if (!WinHttpSetTimeouts(session_->Handle.get(), connect, connect, stall, stall)) {
        throw WindowsError("WinHttpSetTimeouts");
    }
}

HttpClient::~HttpClient() = default;

std::string HttpClient::Get(const std::string& url, PageHead* head, const std::atomic<bool>* stop) {
    if (!MayFetch(url)) {
        RefuseAddress();
    }
    const auto deadline = Clock::now() + std::chrono::seconds(limits_.DeadlineSeconds);
    const Target target = CrackTarget(text::ToWide(url));
    const WinHttpHandle connection(
        WinHttpConnect(session_->Handle.get(), target.Host.c_str(), target.Port, 0));
    if (!connection) {
        throw WindowsError("WinHttpConnect");
    }
    WinHttpHandle request(WinHttpOpenRequest(
        connection.get(), L"GET", target.PathAndQuery.c_str(), nullptr, WINHTTP_NO_REFERER,
        WINHTTP_DEFAULT_ACCEPT_TYPES, target.Secure ? WINHTTP_FLAG_SECURE : 0));
    if (!request) {
        throw WindowsError("WinHttpOpenRequest");
    }
    const ClosesWhenStopped closer(request, stop);
    SetOption(request.get(), WINHTTP_OPTION_REDIRECT_POLICY, WINHTTP_OPTION_REDIRECT_POLICY_NEVER,
              "WINHTTP_OPTION_REDIRECT_POLICY");
    // The wait for the response's head has a time-out of its own.
    SetOption(request.get(), WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT,
              Milliseconds(limits_.StallSeconds), "WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT");
    // The user's Windows credentials go nowhere, whatever a server asks.
    SetOption(request.get(), WINHTTP_OPTION_AUTOLOGON_POLICY, WINHTTP_AUTOLOGON_SECURITY_LEVEL_HIGH,
              "WINHTTP_OPTION_AUTOLOGON_POLICY");
    const std::wstring accept = text::ToWide(kAcceptHeader);
    if (!WinHttpAddRequestHeaders(request.get(), accept.c_str(), static_cast<DWORD>(-1),
                                  WINHTTP_ADDREQ_FLAG_ADD | WINHTTP_ADDREQ_FLAG_REPLACE)) {
        throw WindowsError("WinHttpAddRequestHeaders");
    }
    if (!WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                            WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !WinHttpReceiveResponse(request.get(), nullptr)) {
        throw WindowsError("GET " + url);
    }
    const DWORD status = StatusCode(request.get());
    if (!IsPageStatus(status)) {
        FailOnStatus(status);
    }
    std::string body = ReadBody(request.get(), limits_, deadline, url);
    if (head != nullptr) {
        head->Charset = text::CharsetOfContentType(ContentType(request.get()));
        head->Url = url;
    }
    return body;
}

} // namespace lumbrant
