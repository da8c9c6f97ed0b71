#pragma once

// A private world for the native window under test: its WorkDir, settings
// in memory that point it at a news service, players as folders in a fake
// drive table, boxes answered in advance, and the addresses it opens.

#include "support/FakePorts.h"
#include "support/TempFolder.h"
#include "winui/FormMainWin.h"
#include "winui/Gdiplus.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace lumbrant::testing {

// Boxes that show nothing: they record their texts and answer from a queue.
class RecordingBoxes : public MessageBoxesWin {
public:
    void Information(HWND, const std::string& text) override { Shown.push_back(text); }
    BoxAnswer Question(HWND, const std::string& text) override {
        Shown.push_back(text);
        if (Answers.empty()) {
            return BoxAnswer::None;
        }
        const BoxAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void Error(HWND, const std::string& text) override { Shown.push_back("error: " + text); }

    std::vector<std::string> Shown;
    std::deque<BoxAnswer> Answers;
};

class WindowSandbox {
public:
    WindowSandbox() { std::filesystem::create_directories(WorkDir()); }

    std::string WorkDir() const { return (root_.Path() / "app").string(); }

    // Settings for a start without log entries that fetches from address.
    void UseNewsService(const std::string& address, int automatic = 0) {
        settings_->CreateKey();
        settings_->WriteInteger("AG", automatic);
        settings_->WriteInteger("CI", 0);
        settings_->WriteInteger("HS", 0);
        settings_->WriteString("NS", address);
        settings_->CloseKey();
    }

    // A folder that holds the player's marker file and notes folder, listed
    // by the drive table from the next scan on.
    std::string AddPlayer(const std::string& name) {
        const std::string root = (root_.Path() / name).string();
        WriteFile(root + "/iPod_Control/iTunes/itunesdb", "");
        std::filesystem::create_directories(root + "/Notes/news");
        drives_->Roots.push_back(root);
        return root;
    }

    // The window's dependencies; the sandbox keeps seeing its fakes.
    FormDependenciesWin Dependencies() {
        FormDependenciesWin dependencies;
        dependencies.Drives = std::move(ownDrives_);
        dependencies.Settings = std::move(ownSettings_);
        dependencies.Startup = std::make_unique<FakeStartup>();
        dependencies.ExecutablePath = WorkDir() + "\\Lumbrant.exe";
        dependencies.Limits = FetchLimits{5, 10, 8u * 1024u * 1024u, 30};
        dependencies.Boxes = Boxes;
        dependencies.OpenAddress = [this](const std::string& address) {
            Opened.push_back(address);
            return true;
        };
        return dependencies;
    }

    FakeSettings& Settings() { return *settings_; }

    std::shared_ptr<RecordingBoxes> Boxes = std::make_shared<RecordingBoxes>();
    std::vector<std::string> Opened;

private:
    GdiplusSession gdiplus_;
    TempFolder root_{"lumbrant-winui"};
    std::unique_ptr<FakeDriveTable> ownDrives_ = std::make_unique<FakeDriveTable>();
    FakeDriveTable* drives_ = ownDrives_.get();
    std::unique_ptr<FakeSettings> ownSettings_ = std::make_unique<FakeSettings>();
    FakeSettings* settings_ = ownSettings_.get();
};

// The window's client area as it paints it, for reading pixels.
class Capture {
public:
    explicit Capture(HWND window) {
        RECT client;
        GetClientRect(window, &client);
        const HDC screen = GetDC(nullptr);
        canvas_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, client.right, client.bottom);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(canvas_, bitmap_);
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas_), PRF_CLIENT);
    }
    ~Capture() {
        SelectObject(canvas_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(canvas_);
    }
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;

    COLORREF Pixel(int x, int y) const { return GetPixel(canvas_, x, y); }

private:
    HDC canvas_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

} // namespace lumbrant::testing
