#pragma once

namespace lumbrant {

// The fields of the window that say where a run stands.
struct RunState {
    bool Running = false;
    // The user asked the run to stop: slots start no new jobs.
    bool StopRequested = false;
    int StartedSlots = 0;
    int FinishedSlots = 0;
};

} // namespace lumbrant
