// The memory and time one article message takes on the UI thread (body cut,
// locator, note write) when the page is hostile: 8 MiB of "x<i>" with the
// story's snippet "x", so that every other character of the page starts a
// candidate block and the winning block runs to the page's end. The peak of
// the heap above what was held before the message must stay under 8 times
// the page size plus 64 MB; "peak/bound" reports that ratio (under 1 meets
// it), "notes" the files the story gave.

#include "ArticleMessageRig.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <new>

namespace {

// Every allocation of the program passes through the operators below.
std::atomic<std::int64_t> liveBytes{0};
std::atomic<std::int64_t> peakBytes{0};

void* Allocate(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    const std::int64_t live = liveBytes += static_cast<std::int64_t>(::malloc_usable_size(block));
    std::int64_t peak = peakBytes.load();
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
    }
    return block;
}

void Release(void* block) {
    if (block != nullptr) {
        liveBytes -= static_cast<std::int64_t>(::malloc_usable_size(block));
        std::free(block);
    }
}

constexpr std::size_t kPageSize = std::size_t{8} << 20;
constexpr double kBoundBytes = 8.0 * kPageSize + 64e6;

std::string HostilePage() {
    std::string page = "<html><body>";
    while (page.size() + 4 + 14 <= kPageSize) {
        page += "x<i>";
    }
    return page + "</body></html>";
}

void HandleHostilePage(benchmark::State& state) {
    lumbrant::bench::ArticleMessageRig rig("lumbrant-bench-memory",
                                           "http://www.hostile.example/x.html", "Hostile", "x");
    const std::string page = HostilePage();
    std::int64_t peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(rig.NewsFolder());
        rig.Receive(page);
        const std::int64_t before = liveBytes.load();
        peakBytes = before;
        state.ResumeTiming();
        rig.Handle();
        peak = std::max(peak, peakBytes.load() - before);
    }
    state.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
    state.counters["bound_MB"] = kBoundBytes / 1e6;
    state.counters["peak/bound"] = static_cast<double>(peak) / kBoundBytes;
    state.counters["notes"] = static_cast<double>(
        std::distance(std::filesystem::directory_iterator(rig.NewsFolder()), {}) - 1);
}

} // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* block) noexcept {
    Release(block);
}
void operator delete[](void* block) noexcept {
    Release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    Release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    Release(block);
}

BENCHMARK(HandleHostilePage)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
