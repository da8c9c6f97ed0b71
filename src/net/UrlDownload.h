#pragma once

// The fallback download: an address into a file, following redirects.

#include "net/FetchLimits.h"
#include "net/HttpClient.h"

#include <atomic>
#include <string>

namespace lumbrant {

// Downloads url into the file at path (replacing it), following redirects
// (up to 10 with libcurl; as the system's download does on Windows). Answers false on any failure
// (an error status and an address that may not be fetched included) and then leaves no partial file
// behind.
// What the last answer's head said goes into head when one is given. Once
// stop (when given) is set, the download is given up within a second.
bool DownloadUrlToFile(const std::string& url, const std::string& path,
                       const FetchLimits& limits = {}, PageHead* head = nullptr,
                       const std::atomic<bool>* stop = nullptr);

} // namespace lumbrant
