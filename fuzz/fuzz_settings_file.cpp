// The settings file parser on arbitrary file content: reading never fails,
// and writing the text again keeps every value that could be read.
#include "settings/SettingsDocument.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kNames[] = {"AG", "CI", "HS", "VE", "NS", "ag", "X"};

void ExpectSameValues(const lumbrant::SettingsDocument& a, const lumbrant::SettingsDocument& b) {
    for (const auto name : kNames) {
        const auto integerA = a.ReadInteger(name);
        const auto integerB = b.ReadInteger(name);
        const auto stringA = a.ReadString(name);
        const auto stringB = b.ReadString(name);
        if (integerA.Status != integerB.Status || integerA.Value != integerB.Value ||
            stringA.Status != stringB.Status || stringA.Value != stringB.Value) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    auto document = lumbrant::SettingsDocument::Parse(content);
    const auto reparsed = lumbrant::SettingsDocument::Parse(document.Serialize());
    ExpectSameValues(document, reparsed);

    document.WriteInteger("CI", static_cast<std::int32_t>(size));
    document.WriteString("X", content.substr(0, 64));
    document.DeleteValue("HS");
    const auto written = lumbrant::SettingsDocument::Parse(document.Serialize());
    ExpectSameValues(document, written);
    if (written.ReadInteger("CI").Value != static_cast<std::int32_t>(size) ||
        written.ReadString("X").Value != content.substr(0, 64) ||
        written.ReadInteger("HS").Status != lumbrant::ValueRead::Missing) {
        std::abort();
    }
    return 0;
}
