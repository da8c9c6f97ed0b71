// The start-up entry as the "Run" value of the current user's registry.
#include "settings/RegistryKeyWin.h"
#include "settings/StartupEntry.h"

#include <stdexcept>

namespace lumbrant {

namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class StartupEntryWin : public StartupEntry {
public:
    bool Open() override { return key_.OpenForWriting(); }

    // The path goes in as it is, without quotes.
    void Set(const std::string& executablePath) override {
        if (!key_.SetString(kStartupEntryName, executablePath)) {
            throw std::runtime_error(std::string("Failed to set data for '") + kStartupEntryName +
                                     "'");
        }
    }

    void Remove() override {
        if (!key_.DeleteValue(kStartupEntryName)) {
            throw std::runtime_error(std::string("Failed to delete value '") + kStartupEntryName +
                                     "'");
        }
    }

    void Close() noexcept override { key_.Close(); }

private:
    RegistryKey key_{kRunKey};
};

} // namespace

std::unique_ptr<StartupEntry> MakeStartupEntry() {
    return std::make_unique<StartupEntryWin>();
}

} // namespace lumbrant
