#include "newsdesk/CommandLine.h"
#include "newsdesk/Loopback.h"

#include <gtest/gtest.h>

using newsdesk::ParseCommandLine;

namespace {

std::optional<newsdesk::CommandLine> Parse(std::vector<std::string> args) {
    std::string error;
    auto result = ParseCommandLine(args, error);
    EXPECT_EQ(result.has_value(), error.empty()) << error;
    return result;
}

TEST(CommandLine, NoArgumentsGiveTheDefaults) {
    const auto parsed = Parse({});
    ASSERT_TRUE(parsed);
    EXPECT_FALSE(parsed->Help);
    EXPECT_EQ(parsed->Desk.Host, "127.0.0.1");
    EXPECT_EQ(parsed->Desk.Port, 0);
    EXPECT_EQ(parsed->Desk.StoriesPerSection, 3);
    EXPECT_EQ(parsed->Desk.LatencyMs, 0);
    EXPECT_TRUE(parsed->Desk.FailStories.empty());
    EXPECT_EQ(parsed->Desk.StallMs, 120000);
    EXPECT_EQ(parsed->Desk.Threads, 16);
}

TEST(CommandLine, EveryOptionIsReadWithASeparateOrAJoinedValue) {
    const auto parsed = Parse({"--host", "localhost", "--port=8089", "--stories", "250",
                               "--latency-ms", "40", "--fail", "3,1,3", "--redirect=2", "--stall",
                               "7,12", "--stall-ms", "500", "--threads", "4"});
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->Desk.Host, "localhost");
    EXPECT_EQ(parsed->Desk.Port, 8089);
    EXPECT_EQ(parsed->Desk.StoriesPerSection, 250);
    EXPECT_EQ(parsed->Desk.LatencyMs, 40);
    EXPECT_EQ(parsed->Desk.FailStories, (std::set<int>{1, 3}));
    EXPECT_EQ(parsed->Desk.RedirectStories, (std::set<int>{2}));
    EXPECT_EQ(parsed->Desk.StallStories, (std::set<int>{7, 12}));
    EXPECT_EQ(parsed->Desk.StallMs, 500);
    EXPECT_EQ(parsed->Desk.Threads, 4);
    EXPECT_TRUE(Parse({"--help"})->Help);
}

TEST(CommandLine, MistakesAreRefusedWithAReason) {
    const std::vector<std::vector<std::string>> mistakes = {
        {"--host", "0.0.0.0"},   {"--host", "10.0.0.1"}, {"--host", "127.0.0.256"},
        {"--host", "127.0.0"},   {"--port", "65536"},    {"--port", "-1"},
        {"--port", "80x"},       {"--stories", "1001"},  {"--stories"},
        {"--fail", "1,,2"},      {"--fail", "0"},        {"--fail", ""},
        {"--redirect", "a"},     {"--threads", "0"},     {"--verbose", "1"},
        {"--latency-ms", "1.5"},
    };
    for (const auto& args : mistakes) {
        std::string error;
        EXPECT_FALSE(ParseCommandLine(args, error)) << args.front();
        EXPECT_FALSE(error.empty()) << args.front();
    }
}

TEST(Loopback, OnlyLoopbackHostsGiveAnAddressToBind) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"127.0.0.1", "127.0.0.1"}, {"127.1.2.3", "127.1.2.3"},
        {"localhost", "127.0.0.1"}, {"0.0.0.0", ""},
        {"128.0.0.1", ""},          {"127.0.0.1.5", ""},
        {"127..0.1", ""},           {"::1", ""},
        {"LOCALHOST", ""},          {"127.0.0.1 ", ""},
    };
    for (const auto& [host, address] : rows) {
        EXPECT_EQ(newsdesk::LoopbackAddress(host).value_or(""), address) << host;
    }
}

} // namespace
