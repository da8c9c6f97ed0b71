#pragma once

// The text of the settings file, one value a line:
//
//   [HKEY_CURRENT_USER\Software\Quiller]
//   AG=dword:00000001
//   NS="http://127.0.0.1:8080"
//
// An integer is "dword:" and one to eight hexadecimal digits (its 32 bits);
// a string is in double quotes with \" \\ \r \n as the only escapes. Value
// names ignore case and the last line naming a value wins. Blank lines,
// lines starting with "[", ";" or "#", lines without "=" and values of any
// other form are kept as they are when the text is written again, so that a
// hand-edited or damaged file loses nothing the program could not read.

#include "settings/SettingsBackend.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumbrant {

class SettingsDocument {
public:
    // A new file: the header line and a comment on the format.
    SettingsDocument();

    // Any bytes: lines end at LF (a CR before it is dropped), a UTF-8
    // byte-order mark at the start is skipped, NUL bytes are ordinary bytes.
    static SettingsDocument Parse(std::string_view content);

    IntegerRead ReadInteger(std::string_view name) const;
    StringRead ReadString(std::string_view name) const;

    // Replace the value's last line, or append one. Throw
    // std::invalid_argument for a name that a line cannot hold.
    void WriteInteger(std::string_view name, std::int32_t value);
    void WriteString(std::string_view name, std::string_view value);
    // Removes every line naming the value; false when there was none.
    bool DeleteValue(std::string_view name);

    // Every line ended by CR LF.
    std::string Serialize() const;

private:
    explicit SettingsDocument(std::vector<std::string> lines);
    // Index of the last line naming the value, or -1.
    std::ptrdiff_t FindLast(std::string_view name) const;
    void Store(std::string_view name, std::string line);

    std::vector<std::string> lines_;
};

} // namespace lumbrant
