#include "article/SiteList.h"
#include "support/TempFolder.h"
#include "text/FileIo.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class SiteListTest : public ::testing::Test {
protected:
    void WriteList(const std::string& content) const {
        text::WriteFileAtomic((dir_ / "KVD.Update").string(), content);
    }
    int Special(const std::string& link) const {
        return lumbrant::SiteList::Load(dir_.string()).IsSpecialSite(link);
    }

    lumbrant::testing::TempFolder folder_{"sitelist"};
    const fs::path dir_ = folder_.Path();
};

} // namespace

TEST_F(SiteListTest, TheBuiltInListMatchesPartsOfTheHostWithCase) {
    const struct {
        const char* Link;
        int Expected;
    } cases[] = {
        {"http://www.nytimes.com/2024/05/01/world/rain.html", 1},
        {"http://nytimes.com.mirror.example/a", 1},
        {"https://edition.cnn.com/a", 1},
        {"http://www.nytimes.com:8080/a", 1},
        {"http://www.NYTimes.com/a", 0},
        {"http://www.nytimes.com", 0},
        {"http://news.example.org/nytimes.com/a", 0},
        {"www.bbc.co.uk/news", 1},
        {"", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Special(c.Link), c.Expected) << c.Link;
    }
}

TEST_F(SiteListTest, TheFileReplacesTheListAndComparesWholeHostsIgnoringCase) {
    WriteList("[0]\r\nwww.nytimes.com=1\r\n[1]\r\nwww.Example.com=1\r\nnews.example.org:8080=\r\n"
              "[2]\r\nother.example=1\r\n");
    const struct {
        const char* Link;
        int Expected;
    } cases[] = {
        {"http://WWW.example.COM/a", 1},      {"http://news.www.example.com/a", 0},
        {"http://www.example.com:8080/a", 0}, {"http://news.example.org:8080/a", 1},
        {"http://news.example.org/a", 0},     {"http://www.nytimes.com/a", 0},
        {"http://other.example/a", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Special(c.Link), c.Expected) << c.Link;
    }
}

TEST_F(SiteListTest, AFileWithoutNamesInSectionOneListsNothing) {
    for (const char* content : {"[1]\r\n", "[2]\r\nwww.nytimes.com=1\r\n", ""}) {
        WriteList(content);
        EXPECT_EQ(Special("http://www.nytimes.com/a"), 0) << content;
    }
}

TEST_F(SiteListTest, TheFileIsReadAnewAtEveryCall) {
    EXPECT_EQ(Special("http://www.example.com/a"), 0);
    WriteList("[1]\r\nwww.example.com=1\r\n");
    EXPECT_EQ(Special("http://www.example.com/a"), 1);
    WriteList("[1]\r\nwww.example.net=1\r\n");
    EXPECT_EQ(Special("http://www.example.com/a"), 0);
    fs::remove(dir_ / "KVD.Update");
    EXPECT_EQ(Special("http://www.nytimes.com/a"), 1);
}
