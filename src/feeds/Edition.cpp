#include "feeds/Edition.h"

#include "core/Paths.h"
#include "frontpage/Editions.h"
#include "frontpage/FrontPageParser.h"
#include "text/ByteText.h"
#include "text/FileIo.h"
#include "text/IniFile.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <stdexcept>

namespace lumbrant {

namespace {

// The first value of key in entries (letter case aside), or nothing.
const std::string* ValueOf(const std::vector<text::IniEntry>& entries, std::string_view key) {
    for (const text::IniEntry& entry : entries) {
        if (text::EqualsIgnoreCase(entry.Key, key)) {
            return &entry.Value;
        }
    }
    return nullptr;
}

std::size_t ItemsOf(const std::string* value) {
    std::size_t items = 0;
    if (value == nullptr) {
        return kDefaultFeedItems;
    }
    const char* last = value->data() + value->size();
    const auto [end, error] = std::from_chars(value->data(), last, items);
    if (value->empty() || error != std::errc() || end != last || items < 1 ||
        items > kMaxStoriesPerSection) {
        return kDefaultFeedItems;
    }
    return items;
}

// The section of a key naming its code (letter case aside), or -1.
int SectionOfKey(const std::string& key) {
    for (std::size_t index = 0; index < kSections.size(); ++index) {
        if (text::EqualsIgnoreCase(key, kSections[index].Code)) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

void CheckSize(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > kMaxEditionFileBytes) {
        throw std::runtime_error(path + " is not read: it is larger than " +
                                 std::to_string(kMaxEditionFileBytes) + " bytes");
    }
}

} // namespace

std::optional<Edition> LoadEdition(const std::string& workDir, const std::string& countryEntry) {
    const std::string path = JoinPath(workDir, "Editions.ini");
    if (!text::FileExists(path)) {
        return std::nullopt;
    }
    CheckSize(path);
    const auto entries = text::IniFile(path).ReadSection(countryEntry);
    if (!entries) {
        return std::nullopt;
    }
    Edition edition;
    edition.Items = ItemsOf(ValueOf(*entries, "Items"));
    // The first entry of a section code decides, as it always has.
    std::array<const text::IniEntry*, kSectionCount> firstEntry{};
    for (const text::IniEntry& entry : *entries) {
        if (text::EqualsIgnoreCase(entry.Key, "Items")) {
            continue;
        }
        const int section = SectionOfKey(entry.Key);
        if (section < 0) {
            edition.PassedOver.push_back(entry.Key + ": not a section code");
            continue;
        }
        const text::IniEntry*& first = firstEntry[static_cast<std::size_t>(section)];
        if (first != nullptr) {
            edition.PassedOver.push_back(entry.Key + ": the section's feed is given above");
            continue;
        }
        first = &entry;
        if (!text::IsWebAddress(entry.Value)) {
            edition.PassedOver.push_back(entry.Key + ": not an http or https address");
        }
    }
    for (std::size_t index = 0; index < kSections.size(); ++index) {
        const text::IniEntry* entry = firstEntry[index];
        if (entry != nullptr && text::IsWebAddress(entry->Value)) {
            edition.Feeds.push_back({std::string(kSections[index].Code), entry->Value});
        }
    }
    return edition;
}

} // namespace lumbrant
