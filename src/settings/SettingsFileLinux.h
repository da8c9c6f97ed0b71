#pragma once

// The settings key kept as a file: <config folder>/Quiller/settings.reg (see
// SettingsDocument for its lines). The file is read when the key is opened or
// created; each write changes that text and stores the file at once, whole,
// through a temporary name and a rename, so that what was written before a
// failure stays written, as in the registry.

#include "settings/SettingsBackend.h"
#include "settings/SettingsDocument.h"

#include <optional>
#include <string>

namespace lumbrant {

class SettingsFileLinux : public SettingsBackend {
public:
    // configFolder is normally DefaultConfigFolder(); empty means there is none.
    explicit SettingsFileLinux(std::string configFolder);

    bool OpenKey() override;
    void CreateKey() override;
    IntegerRead ReadInteger(std::string_view name) override;
    StringRead ReadString(std::string_view name) override;
    void WriteInteger(std::string_view name, std::int32_t value) override;
    void WriteString(std::string_view name, std::string_view value) override;
    void DeleteValue(std::string_view name) override;
    void CloseKey() noexcept override;

    const std::string& Path() const { return path_; }

private:
    SettingsDocument& Writable(std::string_view name);
    void Save();

    std::string folder_;
    std::string path_;
    std::optional<SettingsDocument> document_;
    bool writable_ = false;
};

} // namespace lumbrant
