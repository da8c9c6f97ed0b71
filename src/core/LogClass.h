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
    // The entries added at the log's end reach the disk at the next
    // FlushLog; a crash before it loses them, never the entries before.
    static void WriteLog(int& counter, const std::string& folder, const std::string& text) noexcept;

    // Flushes the log to the disk; a failure is passed over like that of a write.
    static void FlushLog(const std::string& folder) noexcept;
};

// The program's one error log: the work folder and the window's running
// counter, held by reference (the folder is known only once the settings
// are read). The areas write through it and see nothing else of the window.
class ErrorLog {
public:
    ErrorLog(const std::string& folder, int& counter) : folder_(folder), counter_(counter) {}

    void Write(const std::string& text) const { TLogClass::WriteLog(counter_, folder_, text); }
    // Once a run, at its end: a flush an entry would hold every story's slot.
    void Flush() const { TLogClass::FlushLog(folder_); }

private:
    const std::string& folder_;
    int& counter_;
};

} // namespace lumbrant
