#include "core/ShellOpen.h"

#include <exception>
#include <optional>

namespace lumbrant {

void OpenDirectoryOrLog(const std::string& folder, const std::function<bool()>& open,
                        const ErrorLog& log) {
    std::optional<std::string> failure;
    try {
        if (!open()) {
            failure = "the shell could not open \"" + folder + "\"";
        }
    } catch (const std::exception& error) {
        failure = error.what();
    }
    if (failure) {
        log.Write("OpenDirClick:" + *failure);
    }
}

} // namespace lumbrant
