#pragma once

// The settings key and start-up list of a test, away from the user's own:
// on Linux the settings file and autostart entry in a folder of the test
// (PrivateSettingsPosix.cpp); on Windows the real registry backends, with
// HKEY_CURRENT_USER standing for a key of the test's own for as long as the
// object lives (PrivateSettingsWin.cpp).

#include "settings/SettingsBackend.h"
#include "settings/StartupEntry.h"

#include <filesystem>
#include <memory>

namespace lumbrant::testing {

class PrivateSettings {
public:
    // folder holds the files on Linux; it is not used on Windows.
    explicit PrivateSettings(const std::filesystem::path& folder);
    ~PrivateSettings();
    PrivateSettings(const PrivateSettings&) = delete;
    PrivateSettings& operator=(const PrivateSettings&) = delete;

    SettingsBackend& Backend() { return *backend_; }
    StartupEntry& Startup() { return *startup_; }

private:
    struct Place;

    std::unique_ptr<Place> place_;
    std::unique_ptr<SettingsBackend> backend_;
    std::unique_ptr<StartupEntry> startup_;
};

} // namespace lumbrant::testing
