#pragma once

#include <string>

namespace lumbrant {

// The error log "Rovad.txt" beside the executable, an INI file with one
// section "Access Log" whose keys are the running counter.
class TLogClass {
public:
    TLogClass() = delete;

    // Writes one entry under the key counter and advances the counter. A log
    // that cannot be written, or that is there but cannot be read (and so
    // must not be replaced), is passed over silently and the counter stays.
    static void WriteLog(int& counter, const std::string& folder, const std::string& text) noexcept;
};

} // namespace lumbrant
