#include "core/LogClass.h"

#include "core/Paths.h"
#include "text/IniFile.h"

#include <exception>

namespace lumbrant {

void TLogClass::WriteLog(int& counter, const std::string& folder,
                         const std::string& text) noexcept {
    try {
        text::IniFile(JoinPath(folder, "Rovad.txt"))
            .WriteString("Access Log", std::to_string(counter), text);
        ++counter;
    } catch (const std::exception&) {
        // Callers log while handling other errors; a log failure must not change what they do.
    }
}

} // namespace lumbrant
