#include "support/FlushRecorder.h"

#include <dlfcn.h>
#include <mutex>
#include <unistd.h>
#include <utility>

namespace lumbrant::testing {

namespace {

std::mutex recordMutex;
std::vector<Flush> record;

std::string PathOf(int descriptor) {
    char path[4096];
    const std::string link = "/proc/self/fd/" + std::to_string(descriptor);
    const ssize_t length = ::readlink(link.c_str(), path, sizeof path);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

int Recorded(const char* call, int descriptor) {
    {
        const std::lock_guard lock(recordMutex);
        record.push_back({call, PathOf(descriptor)});
    }
    using Function = int (*)(int);
    static std::mutex lookupMutex;
    const std::lock_guard lock(lookupMutex);
    auto real = reinterpret_cast<Function>(::dlsym(RTLD_NEXT, call));
    return real == nullptr ? -1 : real(descriptor);
}

} // namespace

std::vector<Flush> TakeRecordedFlushes() {
    const std::lock_guard lock(recordMutex);
    return std::exchange(record, {});
}

} // namespace lumbrant::testing

// The program's calls land here rather than in the C library, since a
// program's own definition comes first.
extern "C" int fsync(int descriptor) {
    return lumbrant::testing::Recorded("fsync", descriptor);
}

extern "C" int fdatasync(int descriptor) {
    return lumbrant::testing::Recorded("fdatasync", descriptor);
}

extern "C" int syncfs(int descriptor) {
    return lumbrant::testing::Recorded("syncfs", descriptor);
}
