#include "core/LogClass.h"

#include "core/Paths.h"
#include "text/FileIo.h"
#include "text/IniFile.h"

#include <exception>

namespace lumbrant {

namespace {

constexpr char kLogName[] = "Rovad.txt";

} // namespace

void TLogClass::WriteLog(int& counter, const std::string& folder,
                         const std::string& text) noexcept {
    try {
        text::IniFile(JoinPath(folder, kLogName))
            .WriteString("Access Log", std::to_string(counter), text, text::Durability::Unflushed);
        ++counter;
    } catch (const std::exception&) {
        // Callers log while handling other errors; a log failure must not change what they do.
    }
}

void TLogClass::FlushLog(const std::string& folder) noexcept {
    try {
        text::FlushFile(JoinPath(folder, kLogName));
    } catch (const std::exception&) {
        // As with a write: the log never changes what its callers do.
    }
}

} // namespace lumbrant
