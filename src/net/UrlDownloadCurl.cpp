#include "CurlEasy.h"
#include "net/FetchAddress.h"
#include "net/HttpClient.h"
#include "net/HttpContract.h"
#include "net/UrlDownload.h"
#include "text/PrivateFile.h"

#include <cstdio>
#include <curl/curl.h>
#include <exception>

namespace lumbrant {

namespace {

struct Sink {
    std::FILE* File = nullptr;
    std::size_t Written = 0;
    std::size_t Cap = 0;
};

std::size_t WriteToFile(char* data, std::size_t size, std::size_t count, void* target) {
    auto* sink = static_cast<Sink*>(target);
    const std::size_t length = size * count;
    if (sink->Written + length > sink->Cap) {
        return 0;
    }
    sink->Written += length;
    return std::fwrite(data, 1, length, sink->File);
}

bool Perform(const std::string& url, Sink& sink, const FetchLimits& limits, PageHead* head,
             const std::atomic<bool>* stop) {
    const CurlHandle handle = NewCurlHandle();
    if (!handle) {
        return false;
    }
    try {
        ApplyCommonOptions(handle.get(), limits);
        CheckCurl(curl_easy_setopt(handle.get(), CURLOPT_URL, url.c_str()), "CURLOPT_URL");
        CheckCurl(curl_easy_setopt(handle.get(), CURLOPT_FOLLOWLOCATION, 1L),
                  "CURLOPT_FOLLOWLOCATION");
        CheckCurl(curl_easy_setopt(handle.get(), CURLOPT_MAXREDIRS, 10L), "CURLOPT_MAXREDIRS");
        CheckCurl(curl_easy_setopt(handle.get(), CURLOPT_FAILONERROR, 1L), "CURLOPT_FAILONERROR");
        CheckCurl(curl_easy_setopt(handle.get(), CURLOPT_USERAGENT, kUserAgent),
                  "CURLOPT_USERAGENT");
        CheckCurl(curl_easy_setopt(handle.get(), CURLOPT_WRITEFUNCTION, WriteToFile),
                  "CURLOPT_WRITEFUNCTION");
        CheckCurl(curl_easy_setopt(handle.get(), CURLOPT_WRITEDATA, &sink), "CURLOPT_WRITEDATA");
        GiveUpOn(handle.get(), stop);
        if (curl_easy_perform(handle.get()) != CURLE_OK) {
            return false;
        }
        if (head != nullptr) {
            *head = HeadOf(handle.get());
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

bool DownloadUrlToFile(const std::string& url, const std::string& path, const FetchLimits& limits,
                       PageHead* head, const std::atomic<bool>* stop) {
    if (!MayFetch(url)) {
        return false;
    }
    Sink sink;
    sink.Cap = limits.MaxBodyBytes;
    sink.File = text::OpenPrivateFile(path, "wb");
    if (sink.File == nullptr) {
        return false;
    }
    const bool downloaded = Perform(url, sink, limits, head, stop);
    const bool closed = std::fclose(sink.File) == 0;
    if (!downloaded || !closed) {
        std::remove(path.c_str());
        return false;
    }
    return true;
}

} // namespace lumbrant
