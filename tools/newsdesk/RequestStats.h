#pragma once

#include <mutex>
#include <string>
#include <unordered_map>

namespace newsdesk {

// Thread-safe request counters: requests in flight and their maximum, the
// total, and a count per request target (path and query as sent).
class RequestStats {
public:
    void Begin(const std::string& target);
    void End();

    int InFlight() const;
    int MaxInFlight() const;
    int Total() const;
    int Count(const std::string& target) const;

    // Forgets the counts; the maximum restarts from the requests now in flight.
    void Reset();

private:
    mutable std::mutex mutex_;
    int inFlight_ = 0;
    int maxInFlight_ = 0;
    int total_ = 0;
    std::unordered_map<std::string, int> perTarget_;
};

// Counts one request as in flight for its own lifetime.
class InFlightScope {
public:
    InFlightScope(RequestStats& stats, const std::string& target) : stats_(stats) {
        stats_.Begin(target);
    }
    ~InFlightScope() { stats_.End(); }
    InFlightScope(const InFlightScope&) = delete;
    InFlightScope& operator=(const InFlightScope&) = delete;

private:
    RequestStats& stats_;
};

} // namespace newsdesk
