#include "support/ExpectedNotes.h"

#include "article/ArticleHandler.h"
#include "article/FeedArticle.h"
#include "core/LogClass.h"
#include "core/Paths.h"
#include "feeds/FeedStories.h"
#include "frontpage/FrontPageParser.h"
#include "frontpage/StoryQueue.h"
#include "notes/NoteWriter.h"
#include "support/FolderLog.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <functional>
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
        if (name == "index" || name.starts_with("index-")) {
            std::size_t at = 0;
            if (name == "index") {
                at = content.find("\r\n");
                result.IndexTitle = content.substr(0, at);
                at += 2;
            }
            for (; at < content.size(); at = content.find("\r\n", at) + 2) {
                const std::string line = content.substr(at, content.find("\r\n", at) - at);
                if (!line.ends_with(">Continue...</a>")) {
                    result.IndexLines.push_back(HideNumbers(line));
                }
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
    std::vector<std::string> values = LogValues(log);
    std::sort(values.begin(), values.end());
    return values;
}

namespace {

// Handles every story of the lists in queue order, each with the page that
// pageOf gives for its link, as a classic edition or a feed edition does, in
// the work folder scratch.
Expectation HandleInQueueOrder(SectionStoryLists lists,
                               const std::function<std::string(const std::string&)>& pageOf,
                               bool feedEdition, const std::filesystem::path& scratch) {
    std::filesystem::create_directories(scratch);
    const std::string workDir = scratch.string();
    int noteCounter = 0;
    int logCounter = 0;
    const ErrorLog log(workDir, logCounter);
    StoryQueue queue(lists);
    NoteWriter writer(workDir, noteCounter);
    for (;;) {
        std::string url, code, id;
        queue.TakeNextStory(url, code, id);
        if (code == "NO") {
            break;
        }
        const StoryRecord story = queue.LookUpStory(code, id);
        if (feedEdition) {
            // The service names UTF-8 in the head of every page a feed links.
            const ArticleOutcome outcome = HandleFeedArticlePage(pageOf(url), "UTF-8", story);
            log.Write(outcome.LogEntry);
            writer.WriteNewsNote(outcome.NoteText.value_or(""), story.StoryTitle, story.ArticleUrl,
                                 StoryText::Utf8Article);
            continue;
        }
        const ArticleOutcome outcome =
            HandleArticlePage(pageOf(url), story, SiteList::Load(workDir));
        log.Write(outcome.LogEntry);
        if (outcome.NoteText) {
            writer.WriteNewsNote(*outcome.NoteText, story.StoryTitle, story.ArticleUrl);
        }
    }
    return {ReadNewsFolder(LocalNewsFolder(workDir)),
            ReadLogValues(std::filesystem::path(workDir) / "Rovad.txt")};
}

} // namespace

Expectation ExpectedRun(const newsdesk::NewsDesk& desk, const std::string& edition,
                        const std::filesystem::path& scratch) {
    SectionStoryLists lists;
    ParseFrontPageSections(desk.FrontPage(edition), lists);
    std::map<std::string, const newsdesk::Story*> storiesByUrl;
    for (const auto& story : desk.Stories(edition)) {
        storiesByUrl[story.Url] = &story;
    }
    return HandleInQueueOrder(
        lists, [&](const std::string& url) { return desk.ArticlePage(*storiesByUrl.at(url)); },
        false, scratch);
}

Expectation ExpectedFeedRun(const newsdesk::NewsDesk& desk, const std::string& edition,
                            const std::vector<std::string>& codes, std::size_t mostItems,
                            const std::filesystem::path& scratch) {
    std::vector<FeedPage> feeds;
    for (const std::string& code : codes) {
        feeds.push_back(
            {code, false, desk.Feed(edition, code), "", desk.FeedUrl(edition, code), ""});
    }
    SectionStoryLists lists;
    // Every feed given parses; what is logged (items without a link) is
    // no note's business.
    const std::string workDir = scratch.string();
    int logCounter = 0;
    AddFeedStories(feeds, mostItems, lists, ErrorLog(workDir, logCounter));
    std::map<std::string, const newsdesk::Story*> storiesByUrl;
    for (const auto& story : desk.Stories(edition)) {
        storiesByUrl[story.FeedUrl] = &story;
    }
    return HandleInQueueOrder(
        lists, [&](const std::string& url) { return desk.FeedArticlePage(*storiesByUrl.at(url)); },
        true, scratch);
}

} // namespace lumbrant::testing
