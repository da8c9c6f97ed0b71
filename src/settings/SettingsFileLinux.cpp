#include "settings/SettingsFileLinux.h"

#include "settings/ConfigFolder.h"
#include "text/FileIo.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace lumbrant {

SettingsFileLinux::SettingsFileLinux(std::string configFolder) {
    if (!configFolder.empty()) {
        folder_ = std::move(configFolder) + "/Quiller";
        path_ = folder_ + "/settings.reg";
    }
}

bool SettingsFileLinux::OpenKey() {
    CloseKey();
    if (path_.empty()) {
        return false;
    }
    const auto content = text::ReadFileBytes(path_);
    if (!content) {
        return false;
    }
    document_ = SettingsDocument::Parse(*content);
    return true;
}

void SettingsFileLinux::CreateKey() {
    CloseKey();
    if (path_.empty()) {
        throw std::runtime_error("No configuration folder for the settings.");
    }
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error) {
        throw std::runtime_error("Cannot create folder \"" + folder_ + "\". " + error.message());
    }
    // Rewriting a file that could not be read would lose whatever it holds.
    const auto content = text::ReadFileIfPresent(path_);
    document_ = content ? SettingsDocument::Parse(*content) : SettingsDocument();
    writable_ = true;
}

IntegerRead SettingsFileLinux::ReadInteger(std::string_view name) {
    return document_ ? document_->ReadInteger(name) : IntegerRead{};
}

StringRead SettingsFileLinux::ReadString(std::string_view name) {
    return document_ ? document_->ReadString(name) : StringRead{};
}

SettingsDocument& SettingsFileLinux::Writable(std::string_view name) {
    if (!document_ || !writable_) {
        throw std::logic_error("Failed to set data for '" + std::string(name) + "'");
    }
    return *document_;
}

void SettingsFileLinux::Save() {
    text::WriteFileAtomic(path_, document_->Serialize());
}

void SettingsFileLinux::WriteInteger(std::string_view name, std::int32_t value) {
    Writable(name).WriteInteger(name, value);
    Save();
}

void SettingsFileLinux::WriteString(std::string_view name, std::string_view value) {
    Writable(name).WriteString(name, value);
    Save();
}

void SettingsFileLinux::DeleteValue(std::string_view name) {
    if (Writable(name).DeleteValue(name)) {
        Save();
    }
}

void SettingsFileLinux::CloseKey() noexcept {
    document_.reset();
    writable_ = false;
}

std::unique_ptr<SettingsBackend> MakeSettingsBackend() {
    return std::make_unique<SettingsFileLinux>(DefaultConfigFolder());
}

} // namespace lumbrant
