#include "UrlBindingWin.h"

#include "net/HttpContract.h"

#include <algorithm>
#include <atomic>
#include <cwctype>
#include <optional>
#include <string_view>
#include <urlmon.h>
#include <vector>

namespace lumbrant {

namespace {

using Clock = std::chrono::steady_clock;

// After an abort the system gets this long to end the binding; then the
// pump stops waiting for it, so that no download outlives its caller.
constexpr auto kAbortGrace = std::chrono::seconds(5);
constexpr DWORD kPumpIntervalMs = 50;
constexpr std::size_t kReadChunk = 64 * 1024;

bool IsRedirect(DWORD status) {
    return status >= 300 && status <= 399;
}

// The value of the Content-Type line of an answer's head (its lines ended by
// CR LF), in the bytes the head's characters stand for; empty when none.
std::string ContentTypeOf(std::wstring_view head) {
    constexpr std::wstring_view kName = L"content-type:";
    for (std::size_t at = 0; at < head.size();) {
        const std::size_t end = std::min(head.find(L"\r\n", at), head.size());
        const std::wstring_view line = head.substr(at, end - at);
        if (line.size() >= kName.size() &&
            std::equal(kName.begin(), kName.end(), line.begin(), [](wchar_t a, wchar_t b) {
                return a == static_cast<wchar_t>(std::towlower(static_cast<wint_t>(b)));
            })) {
            std::string value;
            for (const wchar_t character : line.substr(kName.size())) {
                value += character < 0x80 ? static_cast<char>(character) : '?';
            }
            const std::size_t first = value.find_first_not_of(" \t");
            return first == std::string::npos ? std::string() : value.substr(first);
        }
        at = end + 2;
    }
    return {};
}

// The bind-status callback of one binding. Its thread has joined a
// single-threaded apartment, so the system calls it only from that thread,
// while the pump below dispatches its messages. Like every COM object it is
// freed by its own Release, never deleted through an interface, whose
// destructors are therefore not virtual.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class BindWatch final : public IBindStatusCallback,
                        public IHttpNegotiate,
                        public IBindCallbackRedirect {
public:
    BindWatch(HANDLE file, std::size_t cap) : file_(file), cap_(cap), buffer_(kReadChunk) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id == IID_IUnknown || id == IID_IBindStatusCallback) {
            *object = static_cast<IBindStatusCallback*>(this);
        } else if (id == IID_IHttpNegotiate) {
            *object = static_cast<IHttpNegotiate*>(this);
        } else if (id == IID_IBindCallbackRedirect) {
            *object = static_cast<IBindCallbackRedirect*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD, IBinding* binding) override {
        binding->AddRef();
        binding_ = binding;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override { return S_OK; }

    HRESULT STDMETHODCALLTYPE OnProgress(ULONG, ULONG, ULONG status, LPCWSTR text) override {
        lastActivity_ = Clock::now();
        // Where the system reports a redirect instead of asking about it, the
        // binding ends here, before the new address is asked for anything.
        if (status == BINDSTATUS_REDIRECTING) {
            Redirected(text);
        }
        return abortWanted_ ? E_ABORT : S_OK;
    }

    HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT result, LPCWSTR text) override {
        stopped_ = true;
        result_ = result;
        if (result == INET_E_REDIRECT_FAILED && location_.empty() && text != nullptr) {
            location_ = text;
        }
        if (binding_ != nullptr) {
            binding_->Release();
            binding_ = nullptr;
        }
        return S_OK;
    }

    // Asynchronous, pulled in chunks, never from or into the system's cache,
    // never showing anything to the user, and following no redirect.
    HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD* flags, BINDINFO* info) override {
        *flags = BINDF_ASYNCHRONOUS | BINDF_ASYNCSTORAGE | BINDF_PULLDATA | BINDF_GETNEWESTVERSION |
                 BINDF_NOWRITECACHE | BINDF_PRAGMA_NO_CACHE | BINDF_NO_UI | BINDF_SILENTOPERATION;
        const ULONG size = info->cbSize;
        std::fill_n(reinterpret_cast<unsigned char*>(info), std::min<ULONG>(size, sizeof *info), 0);
        info->cbSize = size;
        info->dwBindVerb = BINDVERB_GET;
        info->dwOptions = BINDINFO_OPTIONS_DISABLEAUTOREDIRECTS;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*,
                                              STGMEDIUM* medium) override {
        lastActivity_ = Clock::now();
        if (medium == nullptr || medium->tymed != TYMED_ISTREAM || abortWanted_) {
            return S_OK;
        }
        // Everything available now is read, or no further notice comes.
        for (;;) {
            ULONG got = 0;
            const HRESULT read =
                medium->pstm->Read(buffer_.data(), static_cast<ULONG>(buffer_.size()), &got);
            if (got > 0 && !Keep(got)) {
                WantAbort();
                return E_ABORT;
            }
            if (read != S_OK || got == 0) {
                return S_OK;
            }
        }
    }

    HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

    HRESULT STDMETHODCALLTYPE BeginningTransaction(LPCWSTR, LPCWSTR, DWORD,
                                                   LPWSTR* additionalHeaders) override {
        *additionalHeaders = nullptr;
        return S_OK;
    }

    // An error page is no page: its body is not even downloaded.
    HRESULT STDMETHODCALLTYPE OnResponse(DWORD status, LPCWSTR responseHeaders, LPCWSTR,
                                         LPWSTR* additionalHeaders) override {
        if (additionalHeaders != nullptr) {
            *additionalHeaders = nullptr;
        }
        status_ = status;
        if (responseHeaders != nullptr) {
            contentType_ = ContentTypeOf(responseHeaders);
        }
        if (!IsPageStatus(static_cast<long>(status)) && !IsRedirect(status)) {
            WantAbort();
            return E_ABORT;
        }
        return S_OK;
    }

    // The system asks before it follows a redirect: it never does.
    HRESULT STDMETHODCALLTYPE Redirect(LPCWSTR url, VARIANT_BOOL* cancel) override {
        *cancel = VARIANT_TRUE;
        Redirected(url);
        return S_OK;
    }

    bool Stopped() const { return stopped_; }
    bool AbortWanted() const { return abortWanted_; }
    Clock::time_point LastActivity() const { return lastActivity_; }

    // Ends the binding from the pump; a binding not yet started is refused
    // by OnProgress as soon as it reports anything.
    void Abort() {
        abortWanted_ = true;
        if (binding_ != nullptr) {
            binding_->Abort();
        }
    }

    // Nothing more is written once the caller has its answer, whatever the
    // system still reports.
    void LetGo() {
        abortWanted_ = true;
        file_ = INVALID_HANDLE_VALUE;
    }

    BindOutcome Outcome() const {
        BindOutcome outcome;
        outcome.Arrived = stopped_ && result_ == S_OK && !abortWanted_ && location_.empty() &&
                          IsPageStatus(static_cast<long>(status_));
        outcome.Location = location_;
        outcome.ContentType = contentType_;
        return outcome;
    }

private:
    ~BindWatch() = default;

    void Redirected(LPCWSTR to) {
        if (location_.empty() && to != nullptr) {
            location_ = to;
        }
        WantAbort();
    }

    void WantAbort() { abortWanted_ = true; }

    // Writes got bytes of the buffer to the file; false past the cap or when
    // the file takes no more.
    bool Keep(ULONG got) {
        if (file_ == INVALID_HANDLE_VALUE || got > cap_ - std::min(written_, cap_)) {
            return false;
        }
        DWORD put = 0;
        if (!WriteFile(file_, buffer_.data(), got, &put, nullptr) || put != got) {
            return false;
        }
        written_ += got;
        return true;
    }

    std::atomic<ULONG> references_{1};
    HANDLE file_;
    std::size_t cap_;
    std::size_t written_ = 0;
    std::vector<char> buffer_;
    IBinding* binding_ = nullptr;
    bool stopped_ = false;
    bool abortWanted_ = false;
    HRESULT result_ = E_FAIL;
    DWORD status_ = 0;
    std::wstring location_;
    std::string contentType_;
    Clock::time_point lastActivity_ = Clock::now();
};
#pragma GCC diagnostic pop

// A COM interface pointer released however its use ends.
template <typename Interface> struct Released {
    Interface* Pointer = nullptr;
    ~Released() {
        if (Pointer != nullptr) {
            Pointer->Release();
        }
    }
};

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Dispatches the binding's messages until it ends; aborts it once past the
// deadline, after a stall or when the watch wants it, and leaves after the
// grace period even when the system never ends it.
void Pump(BindWatch& watch, const BindLimits& limits) {
    std::optional<Clock::time_point> abortedAt;
    while (!watch.Stopped()) {
        const auto now = Clock::now();
        const bool stopped = limits.Stop != nullptr && limits.Stop->load();
        if (!abortedAt && (watch.AbortWanted() || stopped || now >= limits.Deadline ||
                           now - watch.LastActivity() >= limits.Stall)) {
            watch.Abort();
            abortedAt = now;
        }
        if (abortedAt && now - *abortedAt >= kAbortGrace) {
            return;
        }
        MsgWaitForMultipleObjectsEx(0, nullptr, kPumpIntervalMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        PumpMessages();
    }
}

} // namespace

BindOutcome BindAddress(const std::wstring& url, HANDLE file, const BindLimits& limits) {
    Released<BindWatch> watch{new BindWatch(file, limits.MaxBodyBytes)};
    Released<IMoniker> moniker;
    Released<IBindCtx> context;
    if (FAILED(CreateURLMonikerEx(nullptr, url.c_str(), &moniker.Pointer, URL_MK_UNIFORM)) ||
        FAILED(CreateAsyncBindCtx(0, watch.Pointer, nullptr, &context.Pointer))) {
        return {};
    }
    Released<IStream> stream;
    const HRESULT bound = moniker.Pointer->BindToStorage(context.Pointer, nullptr, IID_IStream,
                                                         reinterpret_cast<void**>(&stream.Pointer));
    if (SUCCEEDED(bound)) {
        Pump(*watch.Pointer, limits);
    }
    RevokeBindStatusCallback(context.Pointer, watch.Pointer);
    const BindOutcome outcome = watch.Pointer->Outcome();
    watch.Pointer->LetGo();
    return outcome;
}

} // namespace lumbrant
