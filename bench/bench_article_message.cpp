// One article message handled on the UI thread (body cut, site verdict,
// locator, note write) on pages of 50 KB and 500 KB. The median must stay
// well under 20 ms at 500 KB so that the window stays responsive.

#include "ArticleMessageRig.h"

#include <benchmark/benchmark.h>

namespace {

const std::string kSnippet =
    "Council leaders agreed on Tuesday to reopen the northern bridge after "
    "engineers found the storm damage lighter than feared";

std::string Sentence(std::size_t n) {
    static const char* const words[] = {"the",     "river", "council",   "said",
                                        "bridge",  "storm", "engineers", "repairs",
                                        "traffic", "week",  "residents"};
    std::string s;
    for (std::size_t i = 0; i < 14; ++i) {
        s += words[(n * 7 + i * 3) % std::size(words)];
        s += ' ';
    }
    return s + "again.";
}

// A page of the given size: head with scripts, navigation and teaser boxes
// before and after an article of about 5000 characters.
std::string ArticlePage(std::size_t size) {
    std::string article = "<div class=story><p>" + kSnippet + ". ";
    for (std::size_t i = 0; article.size() < 5000; ++i) {
        article += Sentence(i) + (i % 5 == 4 ? "</p><p>" : " ");
    }
    article += "</p></div><table class=footer><tr><td>More</td></tr></table>";
    std::string page = "<html><head><title>News</title><script>var a = '<b>x</b>';</script>"
                       "<style>p{margin:0}</style></head><BODY class=site>";
    std::string boxes;
    for (std::size_t k = 0; boxes.size() < size; ++k) {
        boxes += "<div class=box><h4>Section " + std::to_string(k) + "</h4><ul><li><a href=\"/s/" +
                 std::to_string(k) + "\">" + Sentence(k) + "</a></li></ul><!-- ad --></div>\n";
    }
    page += boxes.substr(0, size / 2) + article + boxes.substr(0, size / 2) + "</BODY></html>";
    return page;
}

void HandleArticleMessage(benchmark::State& state) {
    lumbrant::bench::ArticleMessageRig rig("lumbrant-bench-article",
                                           "http://www.riverside.example/news/bridge.html",
                                           "Bridge to reopen", kSnippet);
    const std::string page = ArticlePage(static_cast<std::size_t>(state.range(0)) * 1024);
    for (auto _ : state) {
        rig.Receive(page);
        rig.Handle();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}

} // namespace

BENCHMARK(HandleArticleMessage)
    ->Arg(50)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
