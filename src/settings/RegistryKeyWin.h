#pragma once

// One key of the current user's registry, open or not, closed with the
// object: what the settings key and the start-up list share on Windows.

#include <string>
#include <string_view>
#include <windows.h>

namespace lumbrant {

class RegistryKey {
public:
    explicit RegistryKey(const char* path) : path_(path) {}
    ~RegistryKey() { Close(); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Opens the key for reading without creating it; false when it is not there.
    bool OpenForReading();
    // Opens the key for reading and writing, creating it when missing;
    // false when it cannot.
    bool OpenForWriting();
    void Close() noexcept;

    // Null while the key is not open.
    HKEY Handle() const { return key_; }

    // Store a value at once; false when the key is not open or refuses it.
    bool SetString(std::string_view name, std::string_view value);
    bool SetDword(std::string_view name, DWORD value);
    // True also when there is no such value.
    bool DeleteValue(std::string_view name);

private:
    bool Set(std::string_view name, DWORD type, const void* data, DWORD size);

    const char* path_;
    HKEY key_ = nullptr;
};

} // namespace lumbrant
