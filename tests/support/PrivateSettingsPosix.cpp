#include "settings/SettingsFileLinux.h"
#include "settings/StartupEntryLinux.h"
#include "support/PrivateSettings.h"

namespace lumbrant::testing {

struct PrivateSettings::Place {};

PrivateSettings::PrivateSettings(const std::filesystem::path& folder)
    : backend_(std::make_unique<SettingsFileLinux>(folder.string())),
      startup_(std::make_unique<StartupEntryLinux>(folder.string())) {}

PrivateSettings::~PrivateSettings() = default;

} // namespace lumbrant::testing
