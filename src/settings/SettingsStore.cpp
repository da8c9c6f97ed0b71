#include "settings/SettingsStore.h"

#include "core/LogClass.h"
#include "core/Paths.h"

#include <stdexcept>
#include <utility>

namespace lumbrant {

namespace {

// The registry's own wording, which support knows from the error log.
std::runtime_error ReadError(ValueRead status, std::string_view name) {
    std::string quoted = "'";
    quoted.append(name);
    quoted += '\'';
    if (status == ValueRead::WrongType) {
        return std::runtime_error("Invalid data type for " + quoted);
    }
    return std::runtime_error("Failed to get data for " + quoted);
}

class KeyCloser {
public:
    explicit KeyCloser(SettingsBackend& backend) : backend_(backend) {}
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;
    ~KeyCloser() { backend_.CloseKey(); }

private:
    SettingsBackend& backend_;
};

class StartupCloser {
public:
    explicit StartupCloser(StartupEntry& startup) : startup_(startup) {}
    StartupCloser(const StartupCloser&) = delete;
    StartupCloser& operator=(const StartupCloser&) = delete;
    ~StartupCloser() { startup_.Close(); }

private:
    StartupEntry& startup_;
};

} // namespace

SettingsStore::SettingsStore(SettingsValues& values, std::string& workDir, SettingsBackend& backend,
                             StartupEntry& startup, std::string executablePath, const ErrorLog& log)
    : values_(values), workDir_(workDir), backend_(backend), startup_(startup),
      executablePath_(std::move(executablePath)), log_(log) {}

void SettingsStore::Log(const std::string& operation, const std::exception& error) {
    log_.Write(operation + ":" + error.what());
}

std::int32_t SettingsStore::ReadRequiredInteger(std::string_view name) {
    const IntegerRead read = backend_.ReadInteger(name);
    if (read.Status != ValueRead::Ok) {
        throw ReadError(read.Status, name);
    }
    return read.Value;
}

void SettingsStore::ReadNewsService() {
    StringRead read = backend_.ReadString("NS");
    if (read.Status == ValueRead::WrongType) {
        throw ReadError(read.Status, "NS");
    }
    values_.NS = std::move(read.Value);
}

void SettingsStore::ReadRegistry() {
    // Set before anything is read, so that the error log has its folder even
    // when no setting can be read.
    workDir_ = FolderOfPath(executablePath_);
    KeyCloser closer(backend_);
    try {
        backend_.OpenKey();
        values_.AG = ReadRequiredInteger("AG") != 0;
        values_.CountryIndex = ReadRequiredInteger("CI");
        values_.HS = ReadRequiredInteger("HS") != 0;
        const IntegerRead version = backend_.ReadInteger("VE");
        if (version.Status == ValueRead::WrongType) {
            throw ReadError(version.Status, "VE");
        }
        values_.VE = version.Status == ValueRead::Ok ? version.Value : 0;
    } catch (const std::exception& error) {
        Log("ReadRegistry", error);
    }
    try {
        ReadNewsService();
    } catch (const std::exception& error) {
        Log("ReadRegistry", error);
    }
}

void SettingsStore::WriteRegistry() {
    KeyCloser keyCloser(backend_);
    StartupCloser startupCloser(startup_);
    try {
        backend_.CreateKey();
        backend_.WriteInteger("AG", values_.AG ? 1 : 0);
        if (startup_.Open()) {
            if (values_.AG) {
                values_.HS = true;
                startup_.Set(executablePath_);
            } else {
                values_.HS = false;
                startup_.Remove();
            }
            backend_.WriteInteger("HS", values_.HS ? 1 : 0);
        }
        backend_.WriteInteger("CI", values_.CountryIndex);
        backend_.WriteInteger("VE", values_.VE);
    } catch (const std::exception& error) {
        Log("WriteRegistry", error);
    }
}

} // namespace lumbrant
