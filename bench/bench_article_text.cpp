// The article-text conversions and the locator on generated news pages of
// 50 KB, 500 KB and 5 MB, fast against the literal oracle. Prints, after the
// runs, how many times faster the product is and its time per byte.

#include "article/HtmlToText.h"
#include "article/TextBlockLocator.h"
#include "support/ArticleOracle.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

class Words {
public:
    explicit Words(std::uint64_t seed) : state_(seed) {}
    std::size_t Below(std::size_t bound) {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<std::size_t>(state_ >> 33) % bound;
    }
    std::string Sentence(std::size_t words) {
        static const char* const vocabulary[] = {
            "the",     "minister",  "said",    "on",      "Tuesday", "that",    "talks",
            "would",   "resume",    "after",   "a",       "week",    "of",      "storms",
            "across",  "northern",  "regions", "where",   "rivers",  "rose",    "above",
            "flood",   "levels",    "and",     "schools", "closed",  "as",      "council",
            "leaders", "met",       "with",    "police",  "to",      "discuss", "plans",
            "for",     "roads",     "markets", "fell",    "sharply", "while",   "investors",
            "waited",  "quarterly", "figures", "from",    "banks",   "in"};
        std::string s;
        for (std::size_t i = 0; i < words; ++i) {
            if (i > 0) {
                s += ' ';
            }
            s += vocabulary[Below(std::size(vocabulary))];
        }
        return s + ".";
    }

private:
    std::uint64_t state_;
};

struct Page {
    std::string Body;      // from the body tag on
    std::string FromStory; // from the story's first paragraph on
    std::string Snippet;
};

// A news page: navigation, story teasers in sections, the story itself with
// inline advertising, and "related" boxes that repeat the story's teaser.
// With sections off the page is all removable tags (div, p, span, a, lists,
// scripts) up to its footer, so the story's block runs to the page's end.
Page NewsPage(std::size_t size, bool sections) {
    Words words(size + (sections ? 1 : 0));
    const std::string lead = "Rivers across the north rose above flood levels on Tuesday "
                             "as storms closed schools and roads, the minister said";
    const std::string open = sections ? "<section class=\"box\">" : "<div class=\"box\">";
    const std::string close = sections ? "</section>\n" : "</div>\n";
    auto teaser = [&](const std::string& text) {
        return "    <li><a href=\"/story/" + std::to_string(words.Below(99999)) + "\" title=\"" +
               text + "\">" + text + "</a></li>\n";
    };
    auto module = [&](std::size_t k) {
        std::string m = "  " + open + "\n    " + (sections ? "<h4>Section " : "<h3>Section ") +
                        std::to_string(k) + (sections ? "</h4>" : "</h3>") + "\n    <ul>\n";
        if (k % 10 == 3) {
            m += teaser(lead); // the story, as the page's own boxes tease it
        }
        for (int i = 0; i < 6; ++i) {
            m += teaser(words.Sentence(8 + words.Below(10)));
        }
        m += "    </ul>\n\n    <!-- ad slot " + std::to_string(k) +
             " -->\n    <script>\n\twindow.ads.push(" + std::to_string(k) +
             ");\n    </script><noscript><img src=\"/px.gif\"></noscript>\n  " + close + "\n";
        return m;
    };
    std::string story =
        "  <div class=\"story\">\n    <p>" + lead + ". " + words.Sentence(25) + "</p>\n";
    for (int i = 0; i < 12; ++i) {
        story += "    <p>" + words.Sentence(20) + " <a href=\"/topic\">" + words.Sentence(3) +
                 "</a> <b>" + words.Sentence(4) + "</b><br>\n      " + words.Sentence(30) +
                 "</p>\n\n";
        if (i % 4 == 2) {
            story += "    <div class=\"ad\">\n\t\t<script>render({slot: 'mid'});</script>\n"
                     "\t\t<style>.ad{margin:0}</style>\n    </div>\n";
        }
    }
    story += "  </div>\n";

    std::string head = "<body class=\"news\"><header><nav><ul>";
    for (int i = 0; i < 12; ++i) {
        head += "<li><a href=\"/s" + std::to_string(i) + "\">" + words.Sentence(1) + "</a></li>";
    }
    head += "</ul></nav><form action=\"/search\"><input name=\"q\"></form></header>\n";
    const std::string footer = "<footer><table><tr><td>About</td><td>Contact</td></tr></table>"
                               "</footer></body></html>\n";

    std::string before;
    std::size_t k = 0;
    while (head.size() + before.size() < size / 2) {
        before += module(k++);
    }
    std::string after;
    while (head.size() + before.size() + story.size() + after.size() + footer.size() < size) {
        after += module(k++);
    }
    Page page;
    page.Body = head + before + story + after + footer;
    page.FromStory = page.Body.substr(page.Body.find("<p>Rivers") + 3);
    // The front page's summary starts with words the page writes otherwise,
    // so the locator needs its second strategy.
    page.Snippet = "Heavy r" + lead.substr(1);
    return page;
}

const Page& CachedPage(std::size_t size, bool sections) {
    static std::map<std::pair<std::size_t, bool>, Page> pages;
    auto it = pages.find({size, sections});
    if (it == pages.end()) {
        it = pages.emplace(std::make_pair(size, sections), NewsPage(size, sections)).first;
    }
    return it->second;
}

template <bool Fast> void ConvertBlockBench(benchmark::State& state) {
    const Page& page = CachedPage(static_cast<std::size_t>(state.range(0)), false);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Fast ? lumbrant::ConvertBlock(page.FromStory)
                                      : oracle::ConvertBlock(page.FromStory));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.FromStory.size()));
    state.counters["input_bytes"] = static_cast<double>(page.FromStory.size());
}

template <bool Fast> void LongestBlockBench(benchmark::State& state) {
    const Page& page = CachedPage(static_cast<std::size_t>(state.range(0)), true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Fast ? lumbrant::LongestBlock(page.Body)
                                      : oracle::LongestBlock(page.Body));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.Body.size()));
    state.counters["input_bytes"] = static_cast<double>(page.Body.size());
}

template <bool Fast> void LocateTextBlockBench(benchmark::State& state) {
    const Page& page = CachedPage(static_cast<std::size_t>(state.range(0)), true);
    std::vector<text::Index> occurrences;
    for (auto _ : state) {
        if constexpr (Fast) {
            benchmark::DoNotOptimize(
                lumbrant::LocateTextBlock(page.Snippet, page.Body, occurrences));
        } else {
            benchmark::DoNotOptimize(oracle::LocateTextBlock(page.Snippet, page.Body, occurrences));
        }
    }
    state.counters["occurrences"] = static_cast<double>(occurrences.size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.Body.size()));
    state.counters["input_bytes"] = static_cast<double>(page.Body.size());
}

constexpr std::int64_t kSizes[] = {50'000, 500'000, 5'000'000};

// The oracles rebuild the text at every tag. The longest-block oracle takes
// over a minute per run at 5 MB (1.2 s at 500 KB, growing with the square),
// so it stops at 500 KB.
void Register() {
    for (std::int64_t size : kSizes) {
        benchmark::RegisterBenchmark("ConvertBlock/fast", ConvertBlockBench<true>)->Arg(size);
        benchmark::RegisterBenchmark("LongestBlock/fast", LongestBlockBench<true>)->Arg(size);
        benchmark::RegisterBenchmark("LocateTextBlock/fast", LocateTextBlockBench<true>)->Arg(size);
        benchmark::RegisterBenchmark("ConvertBlock/oracle", ConvertBlockBench<false>)
            ->Arg(size)
            ->Unit(benchmark::kMillisecond);
        if (size < 5'000'000) {
            benchmark::RegisterBenchmark("LongestBlock/oracle", LongestBlockBench<false>)
                ->Arg(size)
                ->Unit(benchmark::kMillisecond);
        }
        benchmark::RegisterBenchmark("LocateTextBlock/oracle", LocateTextBlockBench<false>)
            ->Arg(size)
            ->Unit(benchmark::kMillisecond);
    }
}

// Remembers each run's real time per iteration (the fastest of repeated
// runs) and, at the end, prints the ratios and the fast form's real time per
// byte of input.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration) {
                continue;
            }
            // Of several repetitions the fastest, the one least disturbed.
            const double seconds =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            const auto known = seconds_.find(run.benchmark_name());
            seconds_[run.benchmark_name()] =
                known == seconds_.end() ? seconds : std::min(known->second, seconds);
            bytes_[run.benchmark_name()] = run.counters.at("input_bytes").value;
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-16s %10s %14s %16s\n", "algorithm", "size", "oracle/fast", "fast ns/byte");
        for (const char* name : {"ConvertBlock", "LongestBlock", "LocateTextBlock"}) {
            for (std::int64_t size : kSizes) {
                const std::string suffix = "/" + std::to_string(size);
                const auto fast = seconds_.find(std::string(name) + "/fast" + suffix);
                const auto slow = seconds_.find(std::string(name) + "/oracle" + suffix);
                if (fast == seconds_.end()) {
                    continue;
                }
                const double nsPerByte = fast->second * 1e9 / bytes_[fast->first];
                if (slow == seconds_.end()) {
                    std::printf("%-16s %10lld %14s %16.3f\n", name, static_cast<long long>(size),
                                "(skipped)", nsPerByte);
                } else {
                    std::printf("%-16s %10lld %14.0f %16.3f\n", name, static_cast<long long>(size),
                                slow->second / fast->second, nsPerByte);
                }
            }
        }
    }

private:
    std::map<std::string, double> seconds_;
    std::map<std::string, double> bytes_;
};

} // namespace

int main(int argc, char** argv) {
    Register();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
