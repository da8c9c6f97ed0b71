#include "support/UnreadableFile.h"

#include <stdexcept>
#include <windows.h>

namespace lumbrant::testing {

int RunWhileUnreadable(const std::filesystem::path&, const std::filesystem::path& file,
                       const std::function<int()>& body) {
    const HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("cannot hold " + file.string());
    }
    int answer = 254;
    try {
        answer = body();
    } catch (...) {
        CloseHandle(held);
        throw;
    }
    CloseHandle(held);
    return answer;
}

bool ReadOnlyFoldersBind() {
    return false;
}

} // namespace lumbrant::testing
