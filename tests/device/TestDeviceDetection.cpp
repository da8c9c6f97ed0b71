#include "device/DeviceDetection.h"
#include "support/FakeMainView.h"
#include "support/FakePorts.h"
#include "support/FolderLog.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace lumbrant {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;
namespace {

namespace fs = std::filesystem;

using testing::FakeDriveTable;
using testing::FolderLog;

class DeviceDetectionTest : public ::testing::Test {
protected:
    // A drive folder, holding the marker when player is set.
    std::string Drive(const std::string& name, bool player,
                      const std::string& marker = "iPod_Control/iTunes/itunesdb") {
        const fs::path root = temp_.Path() / name;
        fs::create_directories(root);
        if (player) {
            WriteFile(root / marker, "mhbd");
        }
        drives_.Roots.push_back(root.string());
        return root.string();
    }

    std::string Log() const { return log_.Text(); }

    TempFolder temp_;
    FolderLog log_{temp_ / "work"};
    DeviceState state_;
    FakeMainView view_;
    FakeDriveTable drives_;
    DeviceDetection detection_{state_, view_, drives_, log_.Log};
};

TEST_F(DeviceDetectionTest, TwoPlayersAreListedInOrderAndTheLastIsChosen) {
    const std::string none = Drive("c", false);
    const std::string f = Drive("f", true);
    const std::string h = Drive("h", true);
    drives_.Labels[f] = "IPOD";
    drives_.Labels[h] = "Nano";

    EXPECT_TRUE(detection_.GetiPodDriver());

    EXPECT_EQ(view_.DeviceEntries, (std::vector<std::string>{" [ipod]  " + f, " [nano]  " + h}));
    EXPECT_EQ(view_.SelectedDeviceEntry, 1);
    EXPECT_EQ(state_.iPod.EntryRoots, (std::vector<std::string>{f, h}));
    EXPECT_EQ(state_.iPod.DeviceRoot, h);
    EXPECT_TRUE(state_.DeviceFound);
    EXPECT_EQ(view_.StatusTexts, (std::vector<std::string>{"2 iPod detected."}));
}

TEST_F(DeviceDetectionTest, TheLabelPartIsTheLowerCaseLabelInBrackets) {
    const struct {
        std::optional<std::string> label;
        std::string part;
    } rows[] = {
        {"My IPOD", " [my ipod]  "},   {"", " []  "}, {std::nullopt, " []  "}, // the query failed
        {"\xC4PFEL", " [\xC4pfel]  "}, // only ASCII letters change
        {"a]b  x:", " [a]b  x:]  "},   // kept as it is
    };
    for (const auto& row : rows) {
        drives_.Labels["g:"] = row.label;
        EXPECT_EQ(detection_.GetVolumInformation("g:"), row.part) << row.part;
    }
}

TEST_F(DeviceDetectionTest, TheMarkerIsFoundWhateverTheCaseButMustBeAFile) {
    const struct {
        std::string marker;
        bool found;
    } rows[] = {
        {"iPod_Control/iTunes/itunesdb", true},
        {"IPOD_CONTROL/itunes/iTunesDB", true},
        {"ipod_control/ITUNES/ITUNESDB", true},
        {"iPod_Control/iTunes/itunesdb.bak", false},
        {"iPod_Control/itunesdb", false},
        {"iPod_Control/iTunes/itunesdb/inner", false}, // itunesdb is a folder
        {"iPod-Control/iTunes/itunesdb", false},
    };
    int n = 0;
    for (const auto& row : rows) {
        drives_.Roots.clear();
        const std::string root = Drive("d" + std::to_string(n++), true, row.marker);
        EXPECT_EQ(detection_.GetiPodDriver(), row.found) << row.marker;
        EXPECT_EQ(state_.iPod.EntryRoots,
                  row.found ? std::vector<std::string>{root} : std::vector<std::string>{})
            << row.marker;
    }
}

TEST_F(DeviceDetectionTest, OnlyTheCaseVariantThatLeadsToTheFileCounts) {
    const std::string root = Drive("g", false);
    fs::create_directories(fs::path(root) / "ipod_control" / "itunes");
    WriteFile(fs::path(root) / "IPOD_CONTROL" / "iTunes" / "iTunesDB", "mhbd");
    EXPECT_TRUE(detection_.GetiPodDriver());
}

TEST_F(DeviceDetectionTest, WithoutAPlayerThePlaceholderIsShownAndEarlierFindingsStay) {
    const std::string f = Drive("f", true);
    detection_.GetiPodDriver();

    // The player goes, an ordinary stick arrives.
    drives_.Roots = {temp_ / "k"};
    fs::create_directories(drives_.Roots.front());
    detection_.WMDeviceChange(kDeviceArrival);

    EXPECT_EQ(view_.DeviceEntries, (std::vector<std::string>{"Please connect your iPod"}));
    EXPECT_EQ(view_.SelectedDeviceEntry, 0);
    EXPECT_EQ(view_.LastStatus(), "Please connect your iPod");
    EXPECT_TRUE(state_.iPod.EntryRoots.empty());
    EXPECT_TRUE(state_.DeviceFound);
    EXPECT_EQ(state_.iPod.DeviceRoot, f);

    // Choosing the placeholder leaves the earlier choice in place.
    detection_.iPodSelectorComCloseUp(0);
    EXPECT_EQ(state_.iPod.DeviceRoot, f);
}

TEST_F(DeviceDetectionTest, NoPlayerEverFoundLeavesTheFieldsAsTheyWere) {
    Drive("c", false);
    EXPECT_FALSE(detection_.GetiPodDriver());
    EXPECT_FALSE(state_.DeviceFound);
    EXPECT_EQ(state_.iPod.DeviceRoot, "");

    detection_.iPodSelectorComCloseUp(0);
    EXPECT_EQ(state_.iPod.DeviceRoot, "");
}

TEST_F(DeviceDetectionTest, OnlyAnArrivalStartsAScan) {
    Drive("f", true);
    for (unsigned event : {0x8004u, 0x0007u, 0x8001u, 0u}) {
        detection_.WMDeviceChange(event);
    }
    EXPECT_TRUE(view_.StatusTexts.empty());
    detection_.WMDeviceChange(kDeviceArrival);
    EXPECT_EQ(view_.StatusTexts, (std::vector<std::string>{"1 iPod detected."}));
}

TEST_F(DeviceDetectionTest, AChoiceHoldsUntilTheNextScan) {
    const std::string f = Drive("f", true);
    const std::string h = Drive("h", true);
    drives_.Labels[f] = "Odd] label";
    detection_.GetiPodDriver();

    detection_.iPodSelectorComCloseUp(0);
    EXPECT_EQ(state_.iPod.DeviceRoot, f);
    for (int outside : {-1, 2, 99}) {
        detection_.iPodSelectorComCloseUp(outside);
        EXPECT_EQ(state_.iPod.DeviceRoot, f);
    }

    detection_.WMDeviceChange(kDeviceArrival);
    EXPECT_EQ(state_.iPod.DeviceRoot, h);
    EXPECT_EQ(view_.SelectedDeviceEntry, 1);
}

TEST_F(DeviceDetectionTest, AnUnreadableDriveTableIsLoggedAndEndsTheScan) {
    fs::create_directories(log_.Folder);
    drives_.RootsError = "mount table gone";
    EXPECT_FALSE(detection_.GetiPodDriver());
    EXPECT_EQ(Log(), "[Access Log]\r\n0=GetiPodDriver:mount table gone\r\n");
    EXPECT_TRUE(view_.StatusTexts.empty());
    EXPECT_EQ(log_.Counter, 1);
}

TEST_F(DeviceDetectionTest, AFailingLabelQueryIsLoggedAndThePlayerStillListed) {
    fs::create_directories(log_.Folder);
    const std::string f = Drive("f", true);
    drives_.LabelError = "no medium";
    EXPECT_TRUE(detection_.GetiPodDriver());
    EXPECT_EQ(view_.DeviceEntries, (std::vector<std::string>{f}));
    EXPECT_EQ(state_.iPod.DeviceRoot, f);
    EXPECT_EQ(Log(), "[Access Log]\r\n0=GetVolumInformation:no medium\r\n");
}

} // namespace
} // namespace lumbrant
