#include "support/ExpectedNotes.h"

#include "article/ArticleHandler.h"
#include "core/LogClass.h"
#include "core/Paths.h"
#include "frontpage/FrontPageParser.h"
#include "frontpage/StoryQueue.h"
#include "notes/NoteWriter.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <regex>

namespace lumbrant::testing {

namespace {

std::string HideNumbers(const std::string& text) {
    static const std::regex number("News item [0-9]+");
    return std::regex_replace(text, number, "News item #");
}

// A story's link ends its last part: the last word of the last line.
std::string LinkOf(const std::string& lastPart) {
    const std::string line = lastPart.substr(0, lastPart.size() - 2);
    return line.substr(line.find_last_of(" \n") + 1);
}

} // namespace

NewsFolder ReadNewsFolder(const std::filesystem::path& folder) {
    NewsFolder result;
    if (!std::filesystem::is_directory(folder)) {
        return result;
    }
    std::map<std::string, std::map<int, std::string>> chains; // note name → part → content
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++result.FileCount;
        const std::string name = entry.path().filename().string();
        const std::string content = ReadFile(entry.path());
        if (name == "index") {
            const auto firstBreak = content.find("\r\n");
            result.IndexTitle = content.substr(0, firstBreak);
            std::size_t at = firstBreak + 2;
            while (at < content.size()) {
                const auto end = content.find("\r\n", at);
                result.IndexLines.push_back(HideNumbers(content.substr(at, end - at)));
                at = end + 2;
            }
            continue;
        }
        const auto dash = name.rfind('-');
        if (dash == std::string::npos) {
            chains[name][0] = content;
        } else {
            chains[name.substr(0, dash)][std::stoi(name.substr(dash + 1))] = content;
        }
    }
    for (const auto& [name, parts] : chains) {
        std::vector<std::string> texts;
        for (const auto& [part, content] : parts) {
            texts.push_back(HideNumbers(content));
        }
        result.StoryNotes[LinkOf(parts.rbegin()->second)] = texts;
    }
    std::sort(result.IndexLines.begin(), result.IndexLines.end());
    return result;
}

std::vector<std::string> ReadLogValues(const std::filesystem::path& log) {
    std::vector<std::string> values;
    const std::string content = ReadFile(log);
    std::size_t at = content.find("\r\n");
    while (at != std::string::npos && at + 2 < content.size()) {
        const auto end = content.find("\r\n", at + 2);
        const std::string line = content.substr(at + 2, end - at - 2);
        values.push_back(line.substr(line.find('=') + 1));
        at = end;
    }
    std::sort(values.begin(), values.end());
    return values;
}

Expectation ExpectedRun(const newsdesk::NewsDesk& desk, const std::string& edition,
                        const std::filesystem::path& scratch) {
    std::filesystem::create_directories(scratch);
    const std::string workDir = scratch.string();
    int noteCounter = 0;
    int logCounter = 0;
    const ErrorLog log(workDir, logCounter);
    SectionStoryLists lists;
    ParseFrontPageSections(desk.FrontPage(edition), lists);
    StoryQueue queue(lists);
    NoteWriter writer(workDir, noteCounter);
    std::map<std::string, const newsdesk::Story*> storiesByUrl;
    for (const auto& story : desk.Stories(edition)) {
        storiesByUrl[story.Url] = &story;
    }
    for (;;) {
        std::string url, code, id;
        queue.TakeNextStory(url, code, id);
        if (code == "NO") {
            break;
        }
        const StoryRecord story = queue.LookUpStory(code, id);
        const ArticleOutcome outcome = HandleArticlePage(desk.ArticlePage(*storiesByUrl.at(url)),
                                                         story, SiteList::Load(workDir));
        log.Write(outcome.LogEntry);
        if (outcome.NoteText) {
            writer.WriteNewsNote(*outcome.NoteText, story.StoryTitle, story.ArticleUrl);
        }
    }
    return {ReadNewsFolder(LocalNewsFolder(workDir)),
            ReadLogValues(std::filesystem::path(workDir) / "Rovad.txt")};
}

} // namespace lumbrant::testing
