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

// The program's one error log: the work folder and the window's running
// counter, held by reference (the folder is known only once the settings
// are read). The areas write through it and see nothing else of the window.
class ErrorLog {
public:
    ErrorLog(const std::string& folder, int& counter) : folder_(folder), counter_(counter) {}

    void Write(const std::string& text) const { TLogClass::WriteLog(counter_, folder_, text); }

private:
    const std::string& folder_;
    int& counter_;
};

} // namespace lumbrant
