// The article extractor over the development corpus of saved pages with
// annotations (bench/run_extraction unpacks it): for each page, the segments
// that its article must contain and those it must not, scored as the
// corpus's own evaluation does. A segment counts as found when it stands in
// the extractor's text, both with every run of blanks (any white space,
// no-break spaces too) made one space and none at either end; letter case
// and everything else must match exactly. A page without an article counts
// as an empty text. The page's own <meta name="description"> (or
// og:description) stands in for the feed's summary, og:title or <title> for
// its title.
//
//   extraction_corpus CORPUS                every page: precision, recall, F,
//                                           time per MB of page, peak memory
//   extraction_corpus CORPUS --misses       also each segment scored wrong
//   extraction_corpus --page FILE           one page's text and peak memory

#include "extract/ArticleExtractor.h"
#include "extract/PageMetadata.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

using lumbrant::ExtractArticle;
using lumbrant::ExtractedArticle;

std::string ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

bool FileExists(const std::string& path) {
    return std::ifstream(path).good();
}

// Every run of white space (ASCII, no-break space, the Unicode spaces of
// U+2000 to U+200A, U+202F, U+3000) as one space, none at either end.
std::string FoldWhiteSpace(std::string_view text) {
    std::string out;
    bool blank = false;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto byte = static_cast<unsigned char>(text[at]);
        std::size_t length = 0;
        if (byte == ' ' || (byte >= '\t' && byte <= '\r')) {
            length = 1;
        } else if (text.compare(at, 2, "\xC2\xA0") == 0) {
            length = 2;
        } else if (byte == 0xE2 && at + 2 < text.size() && text[at + 1] == '\x80' &&
                   ((static_cast<unsigned char>(text[at + 2]) >= 0x80 &&
                     static_cast<unsigned char>(text[at + 2]) <= 0x8A) ||
                    text[at + 2] == '\xAF')) {
            length = 3;
        } else if (text.compare(at, 3, "\xE3\x80\x80") == 0) {
            length = 3;
        }
        if (length > 0) {
            blank = !out.empty();
            at += length;
            continue;
        }
        if (blank) {
            out += ' ';
            blank = false;
        }
        out += text[at];
        ++at;
    }
    return out;
}

struct Tally {
    long TruePositives = 0;
    long FalseNegatives = 0;
    long FalsePositives = 0;
    long TrueNegatives = 0;
};

long PeakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

int RunOnePage(const std::string& path) {
    const std::string page = ReadWhole(path);
    const lumbrant::PageMetadata metadata = lumbrant::ReadPageMetadata(page, "");
    const auto start = std::chrono::steady_clock::now();
    const ExtractedArticle article = ExtractArticle(page, "", metadata.Description, metadata.Title);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::cout << article.Text;
    std::cerr << (article.Found == ExtractedArticle::Kind::Article ? "article" : article.Reason)
              << ", " << article.Encoding << ", " << page.size() << " bytes, " << ms
              << " ms, peak memory " << PeakMemoryKiB() / 1024 << " MiB\n";
    return 0;
}

int RunCorpus(const std::string& corpus, bool showMisses) {
    const std::string root = corpus + "/tests/";
    const nlohmann::json entries = nlohmann::json::parse(ReadWhole(root + "evaldata.json"));
    Tally tally;
    std::vector<double> msPerMb;
    double totalMs = 0;
    double totalMb = 0;
    int pages = 0;
    int notFound = 0;
    for (const auto& [address, entry] : entries.items()) {
        const std::string name = entry.at("file").get<std::string>();
        std::string path = root + "eval/" + name;
        if (!FileExists(path)) {
            path = root + "cache/" + name;
        }
        const std::string page = ReadWhole(path);
        const lumbrant::PageMetadata metadata = lumbrant::ReadPageMetadata(page, "");
        const auto start = std::chrono::steady_clock::now();
        const ExtractedArticle article =
            ExtractArticle(page, "", metadata.Description, metadata.Title);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        const double mb = static_cast<double>(page.size()) / (1024.0 * 1024.0);
        if (mb > 0) {
            msPerMb.push_back(ms / mb);
        }
        totalMs += ms;
        totalMb += mb;
        ++pages;
        notFound += article.Found == ExtractedArticle::Kind::Article ? 0 : 1;
        const std::string text = FoldWhiteSpace(article.Text);
        for (const auto& segment : entry.at("with")) {
            if (!segment.is_string()) {
                continue;
            }
            const bool found =
                text.find(FoldWhiteSpace(segment.get<std::string>())) != std::string::npos;
            (found ? tally.TruePositives : tally.FalseNegatives)++;
            if (!found && showMisses) {
                std::cout << "MISSING " << name << ": " << segment.get<std::string>() << "\n";
            }
        }
        for (const auto& segment : entry.at("without")) {
            if (!segment.is_string()) {
                continue;
            }
            const bool found =
                text.find(FoldWhiteSpace(segment.get<std::string>())) != std::string::npos;
            (found ? tally.FalsePositives : tally.TrueNegatives)++;
            if (found && showMisses) {
                std::cout << "UNWANTED " << name << ": " << segment.get<std::string>() << "\n";
            }
        }
    }
    const double precision = static_cast<double>(tally.TruePositives) /
                             static_cast<double>(tally.TruePositives + tally.FalsePositives);
    const double recall = static_cast<double>(tally.TruePositives) /
                          static_cast<double>(tally.TruePositives + tally.FalseNegatives);
    const double f = 2 * precision * recall / (precision + recall);
    std::printf("pages %d (no article found in %d)\n", pages, notFound);
    std::printf("segments: %ld found, %ld missed, %ld unwanted found, %ld unwanted absent\n",
                tally.TruePositives, tally.FalseNegatives, tally.FalsePositives,
                tally.TrueNegatives);
    std::printf("precision %.3f  recall %.3f  F %.3f\n", precision, recall, f);
    std::printf("time per MB of page: median %.1f ms, mean %.1f ms (%.1f MB in %.0f ms)\n",
                Median(msPerMb), totalMb > 0 ? totalMs / totalMb : 0.0, totalMb, totalMs);
    std::printf("peak memory %ld MiB\n", PeakMemoryKiB() / 1024);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() == 2 && arguments[0] == "--page") {
        return RunOnePage(arguments[1]);
    }
    if (!arguments.empty() && arguments[0].rfind("--", 0) != 0) {
        const bool misses = arguments.size() > 1 && arguments[1] == "--misses";
        return RunCorpus(arguments[0], misses);
    }
    std::cerr << "usage: extraction_corpus CORPUS [--misses] | --page FILE\n";
    return 2;
}
