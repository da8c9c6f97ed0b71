#include "text/DurableFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace text {

namespace {

std::error_code LastError() {
    return {errno, std::system_category()};
}

// A write may be cut short or interrupted; it goes on from where it stopped.
std::error_code WriteAll(int file, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(file, content.data(), content.size());
        if (written > 0) {
            content.remove_prefix(static_cast<std::size_t>(written));
        } else if (written == 0) {
            return std::make_error_code(std::errc::io_error);
        } else if (errno != EINTR) {
            return LastError();
        }
    }
    return {};
}

} // namespace

unsigned long CurrentProcessId() {
    return static_cast<unsigned long>(::getpid());
}

std::error_code WriteNewFile(const std::string& path, std::string_view content, bool flush) {
    const int file =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (file < 0) {
        return LastError();
    }
    std::error_code error = WriteAll(file, content);
    if (!error && flush && ::fsync(file) != 0) {
        error = LastError();
    }
    // Some file systems report a failed write only when the file is closed.
    if (::close(file) != 0 && !error) {
        error = LastError();
    }
    return error;
}

std::error_code AppendWhole(const std::string& path, std::string_view content, bool flush) {
    const int file = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW);
    if (file < 0) {
        return LastError();
    }
    const off_t formerLength = ::lseek(file, 0, SEEK_END);
    std::error_code error = formerLength < 0 ? LastError() : WriteAll(file, content);
    if (!error && flush && ::fdatasync(file) != 0) {
        error = LastError();
    }
    if (error && formerLength >= 0) {
        // Half a line would stay for good.
        static_cast<void>(::ftruncate(file, formerLength));
    }
    if (::close(file) != 0 && !error) {
        error = LastError();
    }
    return error;
}

std::error_code FlushToDisk(const std::string& path) {
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (file < 0) {
        return LastError();
    }
    std::error_code error;
    if (::fsync(file) != 0) {
        error = LastError();
    }
    ::close(file);
    return error;
}

std::error_code MoveIntoPlace(const std::string& from, const std::string& to, bool flush) {
    if (std::rename(from.c_str(), to.c_str()) != 0) {
        return LastError();
    }
    if (!flush) {
        return {};
    }
    const std::size_t separator = to.find_last_of('/');
    const std::string folder = separator == std::string::npos ? std::string(".")
                               : separator == 0               ? std::string("/")
                                                              : to.substr(0, separator);
    const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0) {
        return LastError();
    }
    std::error_code error;
    if (::fsync(handle) != 0) {
        error = LastError();
    }
    ::close(handle);
    return error;
}

} // namespace text
