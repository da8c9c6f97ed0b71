// Parsing front pages of 8 sections with 100, 1000 and 2000 stories, with
// the queue then handing every story out: the time per story must stay flat.

#include "frontpage/FrontPageParser.h"
#include "frontpage/StoryQueue.h"
#include "support/FrontPageBuilder.h"

#include <benchmark/benchmark.h>

namespace {

std::string FrontPage(int stories) {
    std::vector<std::vector<std::string>> sections(8);
    for (int i = 0; i < stories; ++i) {
        const std::string id = std::to_string(i);
        sections[static_cast<std::size_t>(i % 8)].push_back(lumbrant::testing::Item(
            "http://news" + std::to_string(i % 17) + ".example/story/" + id + ".html",
            "Headline number " + id + " about the day's &amp; events",
            "The opening words of story " + id +
                " as the service shows them under its headline, "
                "long enough to look like a real summary line."));
    }
    return lumbrant::testing::Page(sections);
}

void ParseAndDrain(benchmark::State& state) {
    const int stories = static_cast<int>(state.range(0));
    const std::string page = FrontPage(stories);
    for (auto _ : state) {
        std::array<lumbrant::StoryList, lumbrant::kSectionCount> lists;
        lumbrant::ParseFrontPageSections(page, lists);
        lumbrant::StoryQueue queue(lists);
        std::string url, code, id;
        do {
            code.clear();
            queue.TakeNextStory(url, code, id);
        } while (code != "NO");
        benchmark::DoNotOptimize(lists);
    }
    // Seconds per story: flat across the three sizes when parsing and the queue are linear.
    state.counters["per_story"] = benchmark::Counter(static_cast<double>(stories),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(ParseAndDrain)->Arg(100)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
