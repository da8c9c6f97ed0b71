#include "text/IniFile.h"

#include "text/ByteText.h"
#include "text/FileIo.h"

#include <optional>
#include <string_view>

namespace text {

namespace {

std::vector<std::string> SplitLines(std::string_view content) {
    std::vector<std::string> lines;
    std::size_t i = 0;
    while (i < content.size()) {
        const std::size_t end = content.find_first_of("\r\n", i);
        if (end == std::string_view::npos) {
            lines.emplace_back(content.substr(i));
            break;
        }
        lines.emplace_back(content.substr(i, end - i));
        i = end + 1;
        if (content[end] == '\r' && i < content.size() && content[i] == '\n') {
            ++i;
        }
    }
    return lines;
}

// The section name of a header line "[name]", or nothing for other lines.
std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view trimmed = Trimmed(line);
    if (trimmed.empty() || trimmed.front() != '[') {
        return std::nullopt;
    }
    const auto close = trimmed.find(']');
    const std::string_view inner =
        close == std::string_view::npos ? trimmed.substr(1) : trimmed.substr(1, close - 1);
    return Trimmed(inner);
}

// The key name of a line inside a section, or nothing for blank and comment lines.
std::optional<std::string_view> KeyName(std::string_view line) {
    const std::string_view trimmed = Trimmed(line);
    if (trimmed.empty() || trimmed.front() == ';') {
        return std::nullopt;
    }
    const auto equals = trimmed.find('=');
    return Trimmed(equals == std::string_view::npos ? trimmed : trimmed.substr(0, equals));
}

// The value of a key line: what follows its first "=", trimmed.
std::string_view ValueOf(std::string_view line) {
    const auto equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view() : Trimmed(line.substr(equals + 1));
}

// The lines as the file holds them: each ended by CR LF.
std::string Joined(const std::vector<std::string>& lines) {
    std::string content;
    for (const std::string& line : lines) {
        content += line;
        content += "\r\n";
    }
    return content;
}

std::vector<std::string> LinesOf(const std::optional<std::string>& content) {
    return content ? SplitLines(*content) : std::vector<std::string>{};
}

} // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

std::vector<std::string> IniFile::ReadSectionKeys(const std::string& section) const {
    std::vector<std::string> keys;
    for (IniEntry& entry : ReadSection(section).value_or(std::vector<IniEntry>{})) {
        keys.push_back(std::move(entry.Key));
    }
    return keys;
}

std::optional<std::vector<IniEntry>> IniFile::ReadSection(const std::string& section) const {
    std::optional<std::vector<IniEntry>> entries;
    bool inside = false;
    for (const std::string& line : LinesOf(ReadFileBytes(path_))) {
        if (const auto name = SectionName(line)) {
            inside = EqualsIgnoreCase(*name, section);
            if (inside && !entries) {
                entries.emplace();
            }
            continue;
        }
        if (inside) {
            if (const auto key = KeyName(line)) {
                entries->push_back({std::string(*key), std::string(ValueOf(line))});
            }
        }
    }
    return entries;
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value, Durability appended) const {
    // A file that is there but cannot be read is not rewritten from nothing:
    // that would drop every line it holds.
    const std::optional<std::string> original = ReadFileIfPresent(path_);
    std::vector<std::string> lines = LinesOf(original);
    const std::string entry = key + "=" + value;

    std::optional<std::size_t> sectionLine;
    std::size_t lastLineOfSection = 0;
    bool updated = false;
    bool inside = false;
    for (std::size_t i = 0; i < lines.size() && !updated; ++i) {
        if (const auto name = SectionName(lines[i])) {
            if (inside) {
                break;
            }
            inside = EqualsIgnoreCase(*name, section);
            if (inside) {
                sectionLine = i;
                lastLineOfSection = i;
            }
            continue;
        }
        if (!inside) {
            continue;
        }
        if (const auto existing = KeyName(lines[i])) {
            lastLineOfSection = i;
            if (EqualsIgnoreCase(*existing, key)) {
                lines[i] = std::string(*existing) + "=" + value;
                updated = true;
            }
        }
    }
    // A new key at the very end of a file written the way this writes it
    // (the error log, entry after entry) is appended: the same file, without
    // rewriting all that came before.
    if (!updated && sectionLine && lastLineOfSection + 1 == lines.size() &&
        Joined(lines) == *original) {
        AppendToFile(path_, entry + "\r\n", appended);
        return;
    }
    if (!updated) {
        if (sectionLine) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastLineOfSection) + 1, entry);
        } else {
            lines.push_back("[" + section + "]");
            lines.push_back(entry);
        }
    }
    WriteFileAtomic(path_, Joined(lines));
}

} // namespace text
