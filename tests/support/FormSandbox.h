#pragma once

// A private world for a main window under test: its WorkDir, its settings
// folder, and a mount table of its own in which test folders appear as
// players.

#include "device/DriveTableLinux.h"
#include "settings/SettingsFileLinux.h"
#include "settings/StartupEntryLinux.h"
#include "support/TempFolder.h"
#include "ui/DeviceArrivalWatcherLinux.h"
#include "ui/FrmMain.h"

#include <fstream>
#include <memory>

namespace lumbrant::testing {

class FormSandbox {
public:
    FormSandbox() {
        std::filesystem::create_directories(WorkDir());
        std::filesystem::create_directories(ConfigFolder());
        WriteFile(MountInfo(), "22 1 0:21 / / rw,relatime shared:1 - ext4 /dev/vda rw\n");
    }

    std::string WorkDir() const { return root_ / "app"; }
    std::string ConfigFolder() const { return root_ / "config"; }
    std::string MountInfo() const { return root_ / "mountinfo"; }
    std::string NewsFolder() const { return WorkDir() + "/news/"; }

    // A folder that holds the player's marker file and notes folder, listed
    // in the mount table as a mount point of its own.
    std::string AddPlayer(const std::string& name) {
        const std::string root = root_ / name;
        WriteFile(root + "/iPod_Control/iTunes/itunesdb", "");
        std::filesystem::create_directories(root + "/Notes/news");
        const int id = ++mountId_;
        std::ofstream(MountInfo(), std::ios::app)
            << id << " 22 0:" << id << " / " << root << " rw - tmpfs tmpfs rw\n";
        return root;
    }

    // Stores settings values before the window reads them.
    SettingsFileLinux Settings() const { return SettingsFileLinux(ConfigFolder()); }

    // Settings for a first start without log entries that fetches from address.
    void UseNewsService(const std::string& address) const {
        auto settings = Settings();
        settings.CreateKey();
        settings.WriteInteger("AG", 0);
        settings.WriteInteger("CI", 0);
        settings.WriteInteger("HS", 0);
        settings.WriteString("NS", address);
        settings.CloseKey();
    }

    FormDependencies Dependencies(bool watchMounts = false) const {
        FormDependencies dependencies;
        dependencies.Drives = std::make_unique<DriveTableLinux>(MountInfo(), root_ / "by-label");
        dependencies.Settings = std::make_unique<SettingsFileLinux>(ConfigFolder());
        dependencies.Startup = std::make_unique<StartupEntryLinux>(ConfigFolder());
        dependencies.ExecutablePath = WorkDir() + "/Lumbrant";
        dependencies.Limits = FetchLimits{5, 10, 8u * 1024u * 1024u, 30};
        if (watchMounts) {
            dependencies.Arrivals = WatchMountTable(MountInfo());
        }
        return dependencies;
    }

private:
    TempFolder root_{"lumbrant-form"};
    int mountId_ = 100;
};

} // namespace lumbrant::testing
