// What a download holds (its sockets, the fallback's file) stays with the
// program: the browser opened from the window meanwhile inherits none of it.

#include "core/ShellOpen.h"
#include "retrieval/NewsThread.h"
#include "support/RecordingPort.h"
#include "support/TempFolder.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace lumbrant {
namespace {

namespace fs = std::filesystem;

// A server in a process of its own, so that none of its sockets is this
// program's: the first connection is answered 404 at once, every later one
// with the head and the start of a long page, then nothing more.
class StallingServerProcess {
public:
    StallingServerProcess() {
        const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (listener < 0 || ::bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            ::listen(listener, 8) != 0 ||
            ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            throw std::runtime_error("no loopback server");
        }
        port_ = ntohs(address.sin_port);
        pid_ = ::fork();
        if (pid_ == 0) {
            Serve(listener);
        }
        ::close(listener);
    }
    ~StallingServerProcess() {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    StallingServerProcess(const StallingServerProcess&) = delete;
    StallingServerProcess& operator=(const StallingServerProcess&) = delete;

    std::string Url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/story"; }

private:
    [[noreturn]] static void Serve(int listener) {
        for (int connection = 0;; ++connection) {
            const int client = ::accept(listener, nullptr, nullptr);
            char request[4096];
            if (client < 0 || ::read(client, request, sizeof request) <= 0) {
                continue;
            }
            const std::string answer =
                connection == 0 ? "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n"
                                : "HTTP/1.1 200 OK\r\nContent-Length: 1000000\r\n\r\n<p>Start";
            if (::write(client, answer.data(), answer.size()) < 0) {
                ::_exit(1);
            }
        }
    }

    pid_t pid_ = -1;
    int port_ = 0;
};

// Stands for the desktop's handler: "xdg-open" first on the path, which
// writes what its descriptors name into a file, one a line.
class RecordingDesktop {
public:
    RecordingDesktop() : previousPath_(std::getenv("PATH")) {
        testing::WriteFile(folder_.Path() / "xdg-open",
                           "#!/bin/sh\nfor d in /proc/$$/fd/*; do readlink \"$d\"; done > \"" +
                               Record().string() + ".part\"\nmv \"" + Record().string() +
                               ".part\" \"" + Record().string() + "\"\n");
        fs::permissions(folder_.Path() / "xdg-open", fs::perms::owner_all);
        ::setenv("PATH", (folder_.Path().string() + ":" + previousPath_).c_str(), 1);
    }
    ~RecordingDesktop() { ::setenv("PATH", previousPath_.c_str(), 1); }
    RecordingDesktop(const RecordingDesktop&) = delete;
    RecordingDesktop& operator=(const RecordingDesktop&) = delete;

    fs::path Record() const { return folder_.Path() / "held"; }

private:
    testing::TempFolder folder_{"lumbrant-desktop"};
    std::string previousPath_;
};

TEST(DownloadsStayPrivate, AProgramStartedDuringADownloadHoldsNoneOfItsSocketsOrFiles) {
    const testing::TempFolder work("lumbrant-private");
    const StallingServerProcess server;
    const auto port = std::make_shared<testing::RecordingPort>();
    const FetchLimits limits{2, 2, 8u * 1024u * 1024u, 10};
    auto job = std::make_shared<TNewsThread>(port, limits);
    job->JobMode = kArticleJob;
    job->JobSlot = 1;
    job->JobCategoryCode = "WO";
    job->JobStoryId = "13";
    job->JobUrl = server.Url();
    job->JobHttp = std::make_shared<HttpClient>(limits);
    job->JobWorkDir = work.Path().string();
    job->Start();

    // The first attempt's answer was refused; the fallback writes into its file.
    const fs::path download = work.Path() / "WO13.ini";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!fs::exists(download) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_TRUE(fs::exists(download)) << "the fallback never started";
    const RecordingDesktop desktop;
    ASSERT_TRUE(ShellOpen("http://maker.example/"));
    while (!fs::exists(desktop.Record()) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_TRUE(fs::exists(desktop.Record())) << "the desktop's handler never ran";
    std::istringstream held(testing::ReadFile(desktop.Record()));
    for (std::string target; std::getline(held, target);) {
        EXPECT_FALSE(target.starts_with("socket:")) << target;
        EXPECT_EQ(target.find(work.Path().string()), std::string::npos) << target;
    }
    EXPECT_TRUE(port->WaitFor(1).Failed) << "the stalled page fails";
}

} // namespace
} // namespace lumbrant
