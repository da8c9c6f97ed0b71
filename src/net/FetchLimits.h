#pragma once

#include <cstddef>

namespace lumbrant {

// Bounds on every download, so that a stalled or hostile server can neither
// hold a slot forever nor fill the memory.
struct FetchLimits {
    long ConnectTimeoutSeconds = 15;
    // A transfer slower than 1 byte per second for this long fails.
    long StallSeconds = 30;
    // News pages are far smaller; anything larger is not a page worth reading.
    std::size_t MaxBodyBytes = 8u * 1024u * 1024u;
    // Each attempt ends by then, however steadily its server trickles.
    long DeadlineSeconds = 120;
};

} // namespace lumbrant
