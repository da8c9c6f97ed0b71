#pragma once

// An INI file with the private-profile behaviour of Windows that the program
// relies on: section and key names compared ignoring case, a key updated in
// place, a new key appended at the end of its section, a missing section
// appended at the end of the file. Lines end in CR LF; there is no byte-order
// mark. Every write reads the file anew and rewrites it whole.

#include "text/FileIo.h"

#include <optional>
#include <string>
#include <vector>

namespace text {

// One line "key=value" of a section: both trimmed of blanks and tabs; a line
// without "=" is a key with an empty value.
struct IniEntry {
    std::string Key;
    std::string Value;
};

class IniFile {
public:
    explicit IniFile(std::string path);

    // Names of the keys of a section, in file order; empty when the file or
    // the section is missing.
    std::vector<std::string> ReadSectionKeys(const std::string& section) const;

    // The entries of a section, in file order; nothing when the file or the
    // section is missing.
    std::optional<std::vector<IniEntry>> ReadSection(const std::string& section) const;

    // Writes one key. A new key at the end of the file is appended, with the
    // durability asked for; any other write rewrites the whole file, always
    // flushed, since a rewrite that a crash cut short could lose every key.
    // Throws std::runtime_error when the file cannot be written, or when it
    // is there but cannot be read.
    void WriteString(const std::string& section, const std::string& key, const std::string& value,
                     Durability appended = Durability::Flushed) const;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

} // namespace text
