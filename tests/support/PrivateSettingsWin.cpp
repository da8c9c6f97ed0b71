#include "support/PrivateSettings.h"

#include <stdexcept>
#include <string>
#include <windows.h>

namespace lumbrant::testing {

namespace {

// Under the real HKEY_CURRENT_USER; each test program has a key of its own.
std::string PrivateKeyName() {
    return "Software\\Lumbrant tests\\" + std::to_string(GetCurrentProcessId());
}

} // namespace

// The override is the process's: the test's key stands for the current
// user's until it is put back, which the destructor does before the key goes.
struct PrivateSettings::Place {
    Place() : name(PrivateKeyName()) {
        RegDeleteTreeA(HKEY_CURRENT_USER, name.c_str());
        if (RegCreateKeyExA(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS ||
            RegOverridePredefKey(HKEY_CURRENT_USER, key) != ERROR_SUCCESS) {
            throw std::runtime_error("no private registry key " + name);
        }
    }
    ~Place() {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(key);
        RegDeleteTreeA(HKEY_CURRENT_USER, name.c_str());
    }
    Place(const Place&) = delete;
    Place& operator=(const Place&) = delete;

    std::string name;
    HKEY key = nullptr;
};

PrivateSettings::PrivateSettings(const std::filesystem::path&)
    : place_(std::make_unique<Place>()), backend_(MakeSettingsBackend()),
      startup_(MakeStartupEntry()) {}

PrivateSettings::~PrivateSettings() = default;

} // namespace lumbrant::testing
