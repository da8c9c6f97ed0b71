// The rules every fetch keeps, whichever HTTP stack the system has, against
// the local news service over loopback.

#include "net/HttpClient.h"
#include "newsdesk/NewsDesk.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace lumbrant {
namespace {

class FetchRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        newsdesk::Options options;
        options.StoriesPerSection = 1;
        options.FailStories = {1};
        options.RedirectStories = {2};
        options.StallStories = {3};
        desk_ = std::make_unique<newsdesk::NewsDesk>(options);
        ASSERT_TRUE(desk_->Start());
    }
    void TearDown() override { desk_->Stop(); }

    const newsdesk::Story& Story(int number) const {
        return desk_->Stories("tus").at(static_cast<std::size_t>(number - 1));
    }

    std::unique_ptr<newsdesk::NewsDesk> desk_;
};

// What a client answers for each kind of address: the page byte for byte
// with what its head said, or the words the log shows.
TEST_F(FetchRulesTest, AnAddressBringsItsPageOrTheReasonItDidNot) {
    struct Case {
        const char* What;
        std::string Url;
        FetchLimits Limits;
        std::string Page;
        std::string Error;
    };
    const std::string authority = desk_->BaseUrl().substr(std::string("http://").size());
    const FetchLimits quick{2, 1, 8u * 1024u * 1024u, 3};
    const Case cases[] = {
        {"a front page", desk_->FrontPageUrl("tus"), quick, desk_->FrontPage("tus"), ""},
        {"a missing page", Story(1).Url, quick, "", "HTTP/1.1 404"},
        {"a redirect, never followed", Story(2).Url, quick, "", "HTTP/1.1 302"},
        {"a server that says nothing", Story(3).Url, quick, "", "*"},
        {"a page over the size cap", desk_->FrontPageUrl("tus"), FetchLimits{2, 1, 100, 3}, "",
         "The page is larger than the download limit: " + desk_->FrontPageUrl("tus")},
        {"a user and password", "http://user:secret@" + authority + "/news?ned=tus", quick, "",
         "Only http and https addresses without a user name or password are fetched."},
        {"a user alone", "http://user@" + authority + "/news?ned=tus", quick, "",
         "Only http and https addresses without a user name or password are fetched."},
        {"a local file", "file:///etc/hosts", quick, "",
         "Only http and https addresses without a user name or password are fetched."},
    };
    for (const Case& c : cases) {
        HttpClient client(c.Limits);
        PageHead head;
        try {
            EXPECT_EQ(client.Get(c.Url, &head), c.Page) << c.What;
            EXPECT_EQ(c.Error, "") << c.What << " brought a page";
            EXPECT_EQ(head.Charset, "ISO-8859-1") << c.What;
            EXPECT_EQ(head.Url, c.Url) << c.What;
        } catch (const std::runtime_error& error) {
            if (c.Error != "*") {
                EXPECT_EQ(error.what(), c.Error) << c.What;
            }
            EXPECT_EQ(c.Page, "") << c.What << " failed: " << error.what();
        }
    }
}

} // namespace
} // namespace lumbrant
