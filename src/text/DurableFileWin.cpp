#include "text/DurableFile.h"

#include <string>
#include <windows.h>

namespace text {

namespace {

// WriteFile takes a 32-bit length.
constexpr std::size_t kLargestWrite = std::size_t{1} << 30;

std::error_code LastError() {
    return {static_cast<int>(::GetLastError()), std::system_category()};
}

// A write may be cut short; it goes on from where it stopped.
std::error_code WriteAll(HANDLE file, std::string_view content) {
    while (!content.empty()) {
        const auto chunk =
            static_cast<DWORD>(content.size() < kLargestWrite ? content.size() : kLargestWrite);
        DWORD written = 0;
        if (!::WriteFile(file, content.data(), chunk, &written, nullptr)) {
            return LastError();
        }
        if (written == 0) {
            return std::make_error_code(std::errc::io_error);
        }
        content.remove_prefix(written);
    }
    return {};
}

} // namespace

unsigned long CurrentProcessId() {
    return ::GetCurrentProcessId();
}

std::error_code WriteNewFile(const std::string& path, std::string_view content, bool flush) {
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return LastError();
    }
    std::error_code error = WriteAll(file, content);
    if (!error && flush && !::FlushFileBuffers(file)) {
        error = LastError();
    }
    if (!::CloseHandle(file) && !error) {
        error = LastError();
    }
    return error;
}

std::error_code AppendWhole(const std::string& path, std::string_view content, bool flush) {
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return LastError();
    }
    LARGE_INTEGER formerLength{};
    std::error_code error;
    if (!::SetFilePointerEx(file, LARGE_INTEGER{}, &formerLength, FILE_END)) {
        error = LastError();
    }
    if (!error) {
        error = WriteAll(file, content);
    }
    if (!error && flush && !::FlushFileBuffers(file)) {
        error = LastError();
    }
    if (error && ::SetFilePointerEx(file, formerLength, nullptr, FILE_BEGIN)) {
        // Half a line would stay for good.
        ::SetEndOfFile(file);
    }
    if (!::CloseHandle(file) && !error) {
        error = LastError();
    }
    return error;
}

std::error_code FlushToDisk(const std::string& path) {
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return LastError();
    }
    std::error_code error;
    if (!::FlushFileBuffers(file)) {
        error = LastError();
    }
    ::CloseHandle(file);
    return error;
}

std::error_code MoveIntoPlace(const std::string& from, const std::string& to, bool flush) {
    const DWORD writeThrough = flush ? MOVEFILE_WRITE_THROUGH : 0;
    return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | writeThrough)
               ? std::error_code()
               : LastError();
}

} // namespace text
