#pragma once

#include <cstddef>

namespace lumbrant {

// The fields of the window that say where a run stands.
struct RunState {
    bool Running = false;
    // The user asked the run to stop: slots start no new jobs.
    bool StopRequested = false;
    int StartedSlots = 0;
    int FinishedSlots = 0;
    // The run going takes its stories from a feed edition, and at most this
    // many a feed.
    bool FeedEdition = false;
    std::size_t FeedItems = 0;
    // The stories the run takes from the lists, and those handled so far.
    int StoriesInRun = 0;
    int StoriesHandled = 0;
};

} // namespace lumbrant
