#pragma once

// Fakes of the ports the areas talk through: they record what they are
// asked and answer what the test prepared.

#include "core/JobPorts.h"
#include "core/NotesTransfer.h"
#include "device/DriveTable.h"
#include "settings/SettingsBackend.h"
#include "settings/StartupEntry.h"

#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumbrant::testing {

struct FakeJob : JobHandle {
    bool Flag = false;
    bool Terminated() const override { return Flag; }
    void Terminate() override { Flag = true; }
};

struct ArticleJob {
    int Slot;
    std::string Url, Code, Id;
};

// Records the jobs it is asked to start; the test plays the fetch and the handler.
struct FakeJobs : JobStarter {
    std::shared_ptr<JobHandle> StartFrontPageJob(const std::string& url) override {
        if (FailFrontPage) {
            throw std::runtime_error("no thread");
        }
        FrontPageUrls.push_back(url);
        FrontPage = std::make_shared<FakeJob>();
        return FrontPage;
    }
    std::shared_ptr<JobHandle> StartFeedJob(const std::vector<FeedSource>& feeds) override {
        FeedJobs.push_back(feeds);
        FrontPage = std::make_shared<FakeJob>();
        return FrontPage;
    }
    void StartArticleJob(int slot, const std::string& url, const std::string& code,
                         const std::string& id) override {
        if (FailingSlots.contains(slot)) {
            throw std::runtime_error("no thread");
        }
        InFlight.push_back({slot, url, code, id});
        MaxInFlight = std::max(MaxInFlight, InFlight.size());
    }
    bool FailFrontPage = false;
    std::set<int> FailingSlots;
    std::vector<std::string> FrontPageUrls;
    std::vector<std::vector<FeedSource>> FeedJobs;
    std::shared_ptr<FakeJob> FrontPage;
    std::deque<ArticleJob> InFlight;
    std::size_t MaxInFlight = 0;
};

struct FakeTransfer : NotesTransfer {
    void DeleteOldNotes(const std::string& where) override { Calls.push_back("delete " + where); }
    bool CopyNotesToDevice() override {
        Calls.push_back("copy");
        return CopiesLand;
    }
    std::vector<std::string> Calls;
    bool CopiesLand = true;
};

// Drives are temporary folders; labels are set per root.
class FakeDriveTable : public DriveTable {
public:
    std::vector<std::string> DriveRoots() override {
        if (!RootsError.empty()) {
            throw std::runtime_error(RootsError);
        }
        return Roots;
    }
    std::optional<std::string> VolumeLabel(const std::string& root) override {
        if (!LabelError.empty()) {
            throw std::runtime_error(LabelError);
        }
        const auto label = Labels.find(root);
        return label == Labels.end() ? std::nullopt : label->second;
    }

    std::vector<std::string> Roots;
    std::map<std::string, std::optional<std::string>> Labels;
    std::string RootsError;
    std::string LabelError;
};

// A settings key in memory that starts out missing, as on a first start.
class FakeSettings : public SettingsBackend {
public:
    bool OpenKey() override { return open_ = exists_; }
    void CreateKey() override { open_ = exists_ = true; }
    IntegerRead ReadInteger(std::string_view name) override {
        const auto value = integers_.find(std::string(name));
        return open_ && value != integers_.end() ? IntegerRead{ValueRead::Ok, value->second}
                                                 : IntegerRead{};
    }
    StringRead ReadString(std::string_view name) override {
        const auto value = strings_.find(std::string(name));
        return open_ && value != strings_.end() ? StringRead{ValueRead::Ok, value->second}
                                                : StringRead{};
    }
    void WriteInteger(std::string_view name, std::int32_t value) override {
        integers_[std::string(name)] = value;
    }
    void WriteString(std::string_view name, std::string_view value) override {
        strings_[std::string(name)] = std::string(value);
    }
    void DeleteValue(std::string_view name) override {
        integers_.erase(std::string(name));
        strings_.erase(std::string(name));
    }
    void CloseKey() noexcept override { open_ = false; }

private:
    bool exists_ = false;
    bool open_ = false;
    std::map<std::string, std::int32_t> integers_;
    std::map<std::string, std::string> strings_;
};

struct FakeStartup : StartupEntry {
    bool Open() override { return true; }
    void Set(const std::string& executablePath) override { Entry = executablePath; }
    void Remove() override { Entry.reset(); }
    void Close() noexcept override {}
    std::optional<std::string> Entry;
};

} // namespace lumbrant::testing
