#include "settings/StartupEntryLinux.h"

#include "settings/ConfigFolder.h"
#include "text/FileIo.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace lumbrant {

namespace {

// Characters that make an Exec argument need quotes.
constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";

std::string QuoteArgument(std::string_view argument) {
    if (!argument.empty() && argument.find_first_of(kReserved) == std::string_view::npos) {
        return std::string(argument);
    }
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

// A "%" would start a field code.
std::string DoublePercents(std::string_view s) {
    std::string result;
    for (const char c : s) {
        result += c;
        if (c == '%') {
            result += '%';
        }
    }
    return result;
}

// The escapes of a string value, applied after the quoting of the argument.
std::string EscapeString(std::string_view s) {
    std::string result;
    for (const char c : s) {
        switch (c) {
        case '\\':
            result += "\\\\";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\t':
            result += "\\t";
            break;
        case '\r':
            result += "\\r";
            break;
        default:
            result += c;
        }
    }
    return result;
}

} // namespace

std::string DesktopExecValue(std::string_view path) {
    return EscapeString(DoublePercents(QuoteArgument(path)));
}

std::string AutostartFileContent(std::string_view path) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Lumbrant\n"
           "Exec=" +
           DesktopExecValue(path) +
           "\n"
           "Terminal=false\n";
}

StartupEntryLinux::StartupEntryLinux(std::string configFolder) {
    if (!configFolder.empty()) {
        folder_ = std::move(configFolder) + "/autostart";
        path_ = folder_ + "/" + kStartupEntryName + ".desktop";
    }
}

bool StartupEntryLinux::Open() {
    if (folder_.empty()) {
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    return !error && text::DirectoryExists(folder_);
}

void StartupEntryLinux::Set(const std::string& executablePath) {
    text::WriteFileAtomic(path_, AutostartFileContent(executablePath));
}

void StartupEntryLinux::Remove() {
    std::error_code error;
    std::filesystem::remove(path_, error);
    if (error) {
        throw std::runtime_error("Cannot delete file \"" + path_ + "\". " + error.message());
    }
}

std::unique_ptr<StartupEntry> MakeStartupEntry() {
    return std::make_unique<StartupEntryLinux>(DefaultConfigFolder());
}

} // namespace lumbrant
