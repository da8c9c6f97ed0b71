// Two whole runs of the core against the local news service, every job run
// in turn on the test's thread, so that the files they leave are the same
// bytes every time. Those files are kept in tests/golden/whole-run: a change
// that is meant to leave the program's behaviour alone must leave them alone.
// LUMBRANT_UPDATE_GOLDEN=1 writes them anew.

#include "app/AppCore.h"
#include "newsdesk/NewsDesk.h"
#include "retrieval/NewsThread.h"
#include "support/FakeMainView.h"
#include "support/PrivateSettings.h"
#include "support/TempFolder.h"
#include "text/ByteText.h"

#include <array>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <stdexcept>

namespace lumbrant {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

class NoDrives : public DriveTable {
public:
    std::vector<std::string> DriveRoots() override { return {}; }
    std::optional<std::string> VolumeLabel(const std::string&) override { return std::nullopt; }
};

// Starts real fetch jobs but runs them only when asked, one at a time, in the
// order they were started; their messages go straight to the core.
class QueuedJobs : public JobStarter, public MessagePort {
public:
    QueuedJobs(const std::string& workDir) : workDir_(workDir) {
        for (auto& client : clients_) {
            client = std::make_shared<HttpClient>();
        }
    }

    void Attach(AppCore& core) { core_ = &core; }

    std::shared_ptr<JobHandle> StartFrontPageJob(const std::string& url) override {
        return Queue(0, url, "", "");
    }
    // The golden runs are classic runs.
    std::shared_ptr<JobHandle> StartFeedJob(const std::vector<FeedSource>&) override {
        throw std::logic_error("a golden run fetches no feeds");
    }
    void StartArticleJob(int slot, const std::string& url, const std::string& categoryCode,
                         const std::string& storyId) override {
        Queue(slot, url, categoryCode, storyId);
    }
    void SendBlocking(const JobResult& result) override { core_->Deliver(result); }

    void RunAll() {
        while (!waiting_.empty()) {
            const auto job = waiting_.front();
            waiting_.pop_front();
            job->Execute();
        }
    }

private:
    std::shared_ptr<TNewsThread> Queue(int slot, const std::string& url, const std::string& code,
                                       const std::string& id) {
        // The port is this object, which outlives every job.
        auto job = std::make_shared<TNewsThread>(
            std::shared_ptr<MessagePort>(std::shared_ptr<MessagePort>(), this));
        job->JobMode = slot == 0 ? kFrontPageJob : kArticleJob;
        job->JobSlot = slot;
        job->JobUrl = url;
        job->JobCategoryCode = code;
        job->JobStoryId = id;
        job->JobHttp = clients_[static_cast<std::size_t>(slot)];
        job->JobWorkDir = workDir_;
        waiting_.push_back(job);
        return job;
    }

    const std::string& workDir_;
    std::array<std::shared_ptr<HttpClient>, kSlotCount + 1> clients_;
    std::deque<std::shared_ptr<TNewsThread>> waiting_;
    AppCore* core_ = nullptr;
};

// Every file of folder below it, by relative path, with the service's address
// written as a placeholder.
std::map<std::string, std::string> FilesOf(const fs::path& folder, const std::string& baseUrl) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), folder).generic_string()] =
                text::ReplaceAll(testing::ReadFile(entry.path()), baseUrl, "http://NEWSDESK");
        }
    }
    return files;
}

TEST(GoldenRun, TwoRunsLeaveExactlyTheKeptFiles) {
    newsdesk::Options options;
    options.StoriesPerSection = 4;
    options.FailStories = {3, 18};
    options.RedirectStories = {5, 21};
    newsdesk::NewsDesk desk(options);
    ASSERT_TRUE(desk.Start());
    // The address's length moves the cuts of long notes.
    ASSERT_EQ(desk.BaseUrl().size(), std::string("http://127.0.0.1:12345").size());

    TempFolder root("lumbrant-golden");
    const fs::path work = root.Path() / "work";
    fs::create_directories(work);
    testing::PrivateSettings settings(root / "config");
    settings.Backend().CreateKey();
    settings.Backend().WriteString("NS", desk.BaseUrl());
    settings.Backend().CloseKey();
    MainState state;
    FakeMainView view;
    QueuedJobs jobs(state.WorkDir);
    NoDrives drives;
    AppCore core(state, AppPorts{view, jobs, drives, settings.Backend(), settings.Startup(),
                                 (work / "Lumbrant").string()});
    jobs.Attach(core);
    core.Construct();
    core.FormCreate();
    core.FormShow();

    for (const char* edition : {"United States", "United Kingdom"}) {
        view.CountryText = edition;
        core.ButtonCopyClick();
        jobs.RunAll();
        ASSERT_FALSE(state.Running) << edition;
    }
    EXPECT_EQ(view.LastStatus(), "Get News Stoped");

    const auto written = FilesOf(work, desk.BaseUrl());
    const fs::path golden = fs::path(LUMBRANT_SOURCE_DIR) / "tests/golden/whole-run";
    if (std::getenv("LUMBRANT_UPDATE_GOLDEN") != nullptr) {
        fs::remove_all(golden);
        for (const auto& [name, content] : written) {
            testing::WriteFile(golden / name, content);
        }
    }
    const auto kept = FilesOf(golden, desk.BaseUrl());
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(written.size(), kept.size());
    for (const auto& [name, content] : kept) {
        const auto found = written.find(name);
        ASSERT_NE(found, written.end()) << name << " was not written";
        EXPECT_EQ(found->second, content) << name;
    }
}

} // namespace
} // namespace lumbrant
