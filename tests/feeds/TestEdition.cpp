#include "feeds/Edition.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace lumbrant {
namespace {

using testing::TempFolder;

std::vector<std::string> Listed(const Edition& edition) {
    std::vector<std::string> feeds;
    for (const FeedSource& feed : edition.Feeds) {
        feeds.push_back(feed.SectionCode + " " + feed.Url);
    }
    return feeds;
}

TEST(Edition, TheEntrysSectionGivesItsWebFeedsInSectionOrder) {
    TempFolder work;
    EXPECT_FALSE(LoadEdition(work.Path().string(), "United Kingdom")) << "no file";
    testing::WriteFile(work / "Editions.ini",
                       "[United States]\r\nTO=http://us.example/top\r\n"
                       "[united kingdom]\nhe = https://uk.example/health \n"
                       "WO=ftp://uk.example/world\nTO=http://uk.example/top\n"
                       "TO=http://uk.example/second\nSP=\nBU=HTTP://uk.example/business\n"
                       "; LO=http://uk.example/commented\n");
    const auto edition = LoadEdition(work.Path().string(), "United Kingdom");
    ASSERT_TRUE(edition);
    EXPECT_EQ(Listed(*edition),
              (std::vector<std::string>{"TO http://uk.example/top", "BU HTTP://uk.example/business",
                                        "HE https://uk.example/health"}));
    EXPECT_EQ(edition->PassedOver,
              (std::vector<std::string>{"WO: not an http or https address",
                                        "TO: the section's feed is given above",
                                        "SP: not an http or https address"}));
    EXPECT_EQ(edition->Items, kDefaultFeedItems);
    EXPECT_FALSE(LoadEdition(work.Path().string(), "Canada")) << "no section: the classic run";
}

TEST(Edition, ItemsCountsFrom1To250AndAnythingElseIsTheDefault) {
    TempFolder work;
    const std::vector<std::pair<std::string, std::size_t>> rows = {
        {"Items=1", 1},   {"Items=250", 250}, {"items = 25", 25},
        {"Items=0", 10},  {"Items=251", 10},  {"Items=-3", 10},
        {"Items=7x", 10}, {"Items=", 10},     {"", 10}};
    for (const auto& [line, items] : rows) {
        testing::WriteFile(work / "Editions.ini", "[United States]\r\n" + line + "\r\n");
        const auto edition = LoadEdition(work.Path().string(), "United States");
        ASSERT_TRUE(edition) << line;
        EXPECT_EQ(edition->Items, items) << line;
        EXPECT_TRUE(edition->Feeds.empty());
    }
}

TEST(Edition, AFileTooLargeForAnEditionIsNotRead) {
    TempFolder work;
    testing::WriteFile(work / "Editions.ini",
                       "[United States]\r\n" + std::string(kMaxEditionFileBytes, ';'));
    EXPECT_THROW(LoadEdition(work.Path().string(), "United States"), std::runtime_error);
}

} // namespace
} // namespace lumbrant
