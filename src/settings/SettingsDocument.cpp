#include "settings/SettingsDocument.h"

#include "text/ByteText.h"

#include <optional>
#include <stdexcept>
#include <utility>

namespace lumbrant {

namespace {

constexpr std::string_view kHeader = "[HKEY_CURRENT_USER\\Software\\Quiller]";
constexpr std::string_view kFormatNote =
    "; One value a line: NAME=dword:XXXXXXXX (32-bit integer, hexadecimal) or NAME=\"text\"";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kDwordPrefix = "dword:";

struct NameAndValue {
    std::string_view Name;
    std::string_view Value;
};

bool StartsLineThatIsNoValue(char c) {
    return c == '[' || c == ';' || c == '#';
}

// The name and the raw value of a line that names a value.
std::optional<NameAndValue> SplitLine(std::string_view line) {
    const std::string_view trimmed = text::Trimmed(line);
    if (trimmed.empty() || StartsLineThatIsNoValue(trimmed.front())) {
        return std::nullopt;
    }
    const auto equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view name = text::Trimmed(trimmed.substr(0, equals));
    if (name.empty()) {
        return std::nullopt;
    }
    return NameAndValue{name, text::Trimmed(trimmed.substr(equals + 1))};
}

std::optional<std::int32_t> ParseDword(std::string_view value) {
    if (value.size() < kDwordPrefix.size() ||
        !text::EqualsIgnoreCase(value.substr(0, kDwordPrefix.size()), kDwordPrefix)) {
        return std::nullopt;
    }
    const std::string_view digits = value.substr(kDwordPrefix.size());
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t bits = 0;
    for (const char c : digits) {
        const int digit = text::HexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        bits = bits << 4 | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(bits);
}

std::optional<std::string> ParseQuoted(std::string_view value) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') {
        return std::nullopt;
    }
    const std::string_view inner = value.substr(1, value.size() - 2);
    std::string result;
    for (std::size_t i = 0; i < inner.size(); ++i) {
        const char c = inner[i];
        if (c == '"') {
            return std::nullopt;
        }
        if (c != '\\') {
            result += c;
            continue;
        }
        if (++i == inner.size()) {
            return std::nullopt;
        }
        switch (inner[i]) {
        case '"':
        case '\\':
            result += inner[i];
            break;
        case 'r':
            result += '\r';
            break;
        case 'n':
            result += '\n';
            break;
        default:
            return std::nullopt;
        }
    }
    return result;
}

std::string Quote(std::string_view value) {
    std::string result = "\"";
    for (const char c : value) {
        switch (c) {
        case '"':
            result += "\\\"";
            break;
        case '\\':
            result += "\\\\";
            break;
        case '\r':
            result += "\\r";
            break;
        case '\n':
            result += "\\n";
            break;
        default:
            result += c;
        }
    }
    result += '"';
    return result;
}

std::string Dword(std::int32_t value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    const auto bits = static_cast<std::uint32_t>(value);
    std::string result(kDwordPrefix);
    for (int shift = 28; shift >= 0; shift -= 4) {
        result += kDigits[(bits >> shift) & 0xF];
    }
    return result;
}

// A name that reads back as itself from the line "name=...".
void CheckName(std::string_view name) {
    const bool storable = !name.empty() && text::Trimmed(name) == name &&
                          !StartsLineThatIsNoValue(name.front()) &&
                          name.find_first_of("=\r\n") == std::string_view::npos;
    if (!storable) {
        throw std::invalid_argument("Invalid value name '" + std::string(name) + "'");
    }
}

} // namespace

SettingsDocument::SettingsDocument() : lines_{std::string(kHeader), std::string(kFormatNote)} {}

SettingsDocument::SettingsDocument(std::vector<std::string> lines) : lines_(std::move(lines)) {}

SettingsDocument SettingsDocument::Parse(std::string_view content) {
    if (content.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        content.remove_prefix(kByteOrderMark.size());
    }
    std::vector<std::string> lines;
    while (!content.empty()) {
        const auto end = content.find('\n');
        std::string_view line = content.substr(0, end);
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
    }
    return SettingsDocument(std::move(lines));
}

std::ptrdiff_t SettingsDocument::FindLast(std::string_view name) const {
    for (auto i = static_cast<std::ptrdiff_t>(lines_.size()) - 1; i >= 0; --i) {
        const auto split = SplitLine(lines_[static_cast<std::size_t>(i)]);
        if (split && text::EqualsIgnoreCase(split->Name, name)) {
            return i;
        }
    }
    return -1;
}

IntegerRead SettingsDocument::ReadInteger(std::string_view name) const {
    const auto found = FindLast(name);
    if (found < 0) {
        return {};
    }
    const auto value = ParseDword(SplitLine(lines_[static_cast<std::size_t>(found)])->Value);
    if (!value) {
        return {ValueRead::WrongType, 0};
    }
    return {ValueRead::Ok, *value};
}

StringRead SettingsDocument::ReadString(std::string_view name) const {
    const auto found = FindLast(name);
    if (found < 0) {
        return {};
    }
    auto value = ParseQuoted(SplitLine(lines_[static_cast<std::size_t>(found)])->Value);
    if (!value) {
        return {ValueRead::WrongType, {}};
    }
    return {ValueRead::Ok, std::move(*value)};
}

void SettingsDocument::Store(std::string_view name, std::string line) {
    const auto found = FindLast(name);
    if (found < 0) {
        lines_.push_back(std::move(line));
    } else {
        lines_[static_cast<std::size_t>(found)] = std::move(line);
    }
}

void SettingsDocument::WriteInteger(std::string_view name, std::int32_t value) {
    CheckName(name);
    Store(name, std::string(name) + '=' + Dword(value));
}

void SettingsDocument::WriteString(std::string_view name, std::string_view value) {
    CheckName(name);
    Store(name, std::string(name) + '=' + Quote(value));
}

bool SettingsDocument::DeleteValue(std::string_view name) {
    return std::erase_if(lines_, [name](const std::string& line) {
               const auto split = SplitLine(line);
               return split && text::EqualsIgnoreCase(split->Name, name);
           }) > 0;
}

std::string SettingsDocument::Serialize() const {
    std::string content;
    for (const auto& line : lines_) {
        content += line;
        content += "\r\n";
    }
    return content;
}

} // namespace lumbrant
