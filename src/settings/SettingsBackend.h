#pragma once

// The current user's settings key "Software\Quiller": the registry on
// Windows, a small typed text file elsewhere. Reads answer whether the value
// was there and of the asked type, so that the store can word its own errors.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace lumbrant {

enum class ValueRead { Ok, Missing, WrongType };

struct IntegerRead {
    ValueRead Status = ValueRead::Missing;
    std::int32_t Value = 0;
};

struct StringRead {
    ValueRead Status = ValueRead::Missing;
    std::string Value;
};

class SettingsBackend {
public:
    virtual ~SettingsBackend() = default;

    // Opens the key for reading without creating it. False when it does not
    // exist; the reads then find no values.
    virtual bool OpenKey() = 0;
    // Opens the key for writing, creating it when missing. Throws when it cannot.
    virtual void CreateKey() = 0;

    // Missing when the key is not open or holds no value of that name,
    // WrongType when the value has another type.
    virtual IntegerRead ReadInteger(std::string_view name) = 0;
    virtual StringRead ReadString(std::string_view name) = 0;

    // Stored at once. Throw when the key is not open for writing or the value
    // cannot be stored.
    virtual void WriteInteger(std::string_view name, std::int32_t value) = 0;
    virtual void WriteString(std::string_view name, std::string_view value) = 0;
    // Nothing happens when there is no such value; throws when it cannot be removed.
    virtual void DeleteValue(std::string_view name) = 0;

    // Never fails; closing a key that is not open does nothing.
    virtual void CloseKey() noexcept = 0;
};

// This platform's settings key of the current user.
std::unique_ptr<SettingsBackend> MakeSettingsBackend();

} // namespace lumbrant
