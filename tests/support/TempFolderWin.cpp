#include "support/TempFolder.h"

#include <random>
#include <windows.h>

namespace lumbrant::testing {

// The process id keeps parallel test programs apart; the random part keeps
// apart the folders of one program and those that an earlier one left.
std::filesystem::path MakeTempFolder(const std::string& prefix) {
    static std::mt19937_64 random(std::random_device{}() ^ GetCurrentProcessId());
    const auto temporary = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto folder = temporary / (prefix + "-" + std::to_string(GetCurrentProcessId()) +
                                         "-" + std::to_string(random() % 1000000000));
        if (CreateDirectoryA(folder.string().c_str(), nullptr)) {
            return folder;
        }
    }
    throw std::runtime_error("no temporary folder could be made for " + prefix);
}

} // namespace lumbrant::testing
