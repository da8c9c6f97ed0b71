#include "settings/RegistryKeyWin.h"

namespace lumbrant {

bool RegistryKey::OpenForReading() {
    Close();
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path_, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    key_ = key;
    return true;
}

bool RegistryKey::OpenForWriting() {
    Close();
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path_, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    key_ = key;
    return true;
}

void RegistryKey::Close() noexcept {
    if (key_ != nullptr) {
        RegCloseKey(key_);
        key_ = nullptr;
    }
}

bool RegistryKey::SetString(std::string_view name, std::string_view value) {
    const std::string data(value);
    return Set(name, REG_SZ, data.c_str(), static_cast<DWORD>(data.size() + 1));
}

bool RegistryKey::SetDword(std::string_view name, DWORD value) {
    return Set(name, REG_DWORD, &value, sizeof value);
}

bool RegistryKey::DeleteValue(std::string_view name) {
    if (key_ == nullptr) {
        return false;
    }
    const LONG status = RegDeleteValueA(key_, std::string(name).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool RegistryKey::Set(std::string_view name, DWORD type, const void* data, DWORD size) {
    return key_ != nullptr && RegSetValueExA(key_, std::string(name).c_str(), 0, type,
                                             static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

} // namespace lumbrant
