#pragma once

// The program's settings between starts: loaded once while the main window
// is built, saved once when it closes, and the start-up entry that follows
// the automatic mode. Neither operation raises; errors go to the error log.

#include "core/LogClass.h"
#include "settings/SettingsBackend.h"
#include "settings/SettingsValues.h"
#include "settings/StartupEntry.h"

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace lumbrant {

class SettingsStore {
public:
    // ReadRegistry sets workDir, the folder of executablePath.
    SettingsStore(SettingsValues& values, std::string& workDir, SettingsBackend& backend,
                  StartupEntry& startup, std::string executablePath, const ErrorLog& log);

    // Sets WorkDir, then reads "AG", "CI", "HS" and, when present, "VE"; a
    // missing or wrongly typed value among the first three stops the reading
    // there. The news service's address "NS" is read on its own afterwards,
    // so that it counts even on a first start; it is optional.
    void ReadRegistry();

    // Writes "AG", updates the start-up entry and "HS" when the start-up list
    // can be opened, then writes "CI" and "VE". An error ends the saving;
    // what was written before it stays.
    void WriteRegistry();

private:
    void Log(const std::string& operation, const std::exception& error);
    std::int32_t ReadRequiredInteger(std::string_view name);
    void ReadNewsService();

    SettingsValues& values_;
    std::string& workDir_;
    SettingsBackend& backend_;
    StartupEntry& startup_;
    std::string executablePath_;
    const ErrorLog& log_;
};

} // namespace lumbrant
