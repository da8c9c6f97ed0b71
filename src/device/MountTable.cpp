#include "device/MountTable.h"

#include "text/ByteText.h"

#include <algorithm>
#include <iterator>

namespace lumbrant {

namespace {

// The file systems a player or a disk can carry. Everything else (pseudo,
// automount, network and FUSE file systems) is passed over unseen, so that a
// hung server can never hold up a scan. tmpfs stays for demo and test
// players; the ownership rule keeps shared ones such as /dev/shm out.
constexpr std::string_view kPlayerFsTypes[] = {
    "vfat", "msdos", "exfat", "hfsplus", "hfs", "ntfs", "ntfs3", "fuseblk",
    "ext2", "ext3",  "ext4",  "btrfs",   "xfs", "f2fs", "udf",   "tmpfs"};

std::vector<std::string_view> SplitOnBlanks(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t blank = line.find(' ', start);
        if (blank == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, blank - start));
        start = blank + 1;
    }
}

bool IsOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

} // namespace

std::string UnescapeMountField(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        // At most \377: a byte.
        if (field[i] == '\\' && field.size() - i >= 4 && field[i + 1] <= '3' &&
            IsOctalDigit(field[i + 1]) && IsOctalDigit(field[i + 2]) &&
            IsOctalDigit(field[i + 3])) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

std::vector<MountEntry> ParseMountInfo(std::string_view table) {
    std::vector<MountEntry> entries;
    std::size_t start = 0;
    while (start < table.size()) {
        std::size_t end = table.find('\n', start);
        if (end == std::string_view::npos) {
            end = table.size();
        }
        const auto fields = SplitOnBlanks(table.substr(start, end - start));
        start = end + 1;
        // id, parent, major:minor, root, mount point, options, optional
        // fields, "-", file system type, source, super options.
        const auto dash = std::find(fields.begin() + std::min<std::size_t>(fields.size(), 6),
                                    fields.end(), std::string_view("-"));
        if (fields.size() < 6 || dash == fields.end() || fields.end() - dash < 3 ||
            fields[4].empty()) {
            continue;
        }
        entries.push_back({std::string(fields[0]), std::string(fields[2]),
                           UnescapeMountField(fields[4]), std::string(dash[1]),
                           UnescapeMountField(dash[2])});
    }
    return entries;
}

bool CanHoldPlayer(std::string_view fsType) {
    return std::find(std::begin(kPlayerFsTypes), std::end(kPlayerFsTypes), fsType) !=
           std::end(kPlayerFsTypes);
}

std::vector<std::string> PlayerMountPoints(const std::vector<MountEntry>& entries) {
    std::vector<std::string> points;
    for (const auto& entry : entries) {
        if (CanHoldPlayer(entry.FsType)) {
            points.push_back(entry.MountPoint);
        }
    }
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    return points;
}

std::string DecodeLabelName(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && name.size() - i >= 4 && name[i + 1] == 'x' &&
            text::HexDigitValue(name[i + 2]) >= 0 && text::HexDigitValue(name[i + 3]) >= 0) {
            out += static_cast<char>(text::HexDigitValue(name[i + 2]) * 16 +
                                     text::HexDigitValue(name[i + 3]));
            i += 3;
        } else {
            out += name[i];
        }
    }
    return out;
}

} // namespace lumbrant
