#include "support/FolderSnapshot.h"

#include "support/Polling.h"

#include <fstream>
#include <iterator>
#include <regex>
#include <set>

namespace lumbrant::e2e {

Files ReadFolder(const std::filesystem::path& folder) {
    Files files;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (!entry->is_regular_file()) {
            continue;
        }
        std::ifstream in(entry->path(), std::ios::binary);
        files[entry->path().filename().string()] =
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return files;
}

std::vector<int> NoteNumbers(const Files& files) {
    static const std::regex noteName("News item ([0-9]+)(-[0-9]+)?");
    std::set<int> numbers;
    for (const auto& [name, content] : files) {
        std::smatch match;
        if (std::regex_match(name, match, noteName)) {
            numbers.insert(std::stoi(match[1]));
        }
    }
    return {numbers.begin(), numbers.end()};
}

int LogEntryCount(const std::filesystem::path& log) {
    std::ifstream in(log, std::ios::binary);
    static const std::regex entry("[0-9]+=.*\r?");
    int count = 0;
    for (std::string line; std::getline(in, line);) {
        if (std::regex_match(line, entry)) {
            ++count;
        }
    }
    return count;
}

bool WaitForTransfer(const std::filesystem::path& playerNotes,
                     const std::filesystem::path& localNews, const Files& before,
                     std::chrono::seconds limit) {
    constexpr int kSteadyPolls = 4;
    constexpr auto kInterval = std::chrono::milliseconds(250);
    Files previous;
    int steady = 0;
    return WaitUntil(
        [&] {
            Files current = ReadFolder(playerNotes);
            const bool transferred =
                current.contains("index") && current != before && current == ReadFolder(localNews);
            steady = transferred && current == previous ? steady + 1 : 0;
            previous = std::move(current);
            return steady >= kSteadyPolls;
        },
        limit, kInterval);
}

} // namespace lumbrant::e2e
