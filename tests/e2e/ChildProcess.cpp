#include "e2e/ChildProcess.h"

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace lumbrant::e2e {

namespace {

using Clock = std::chrono::steady_clock;

// The test's environment with the given names set on top.
std::vector<std::string> MergedEnvironment(const std::map<std::string, std::string>& overrides) {
    std::vector<std::string> merged;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (!overrides.contains(text.substr(0, text.find('=')))) {
            merged.push_back(text);
        }
    }
    for (const auto& [name, value] : overrides) {
        merged.push_back(name + "=" + value);
    }
    return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (auto& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

class FileActions {
public:
    FileActions() { posix_spawn_file_actions_init(&actions_); }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions_); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;
    posix_spawn_file_actions_t* Get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

pid_t Spawn(std::vector<std::string> arguments,
            const std::map<std::string, std::string>& environment, FileActions& actions) {
    auto environmentTexts = MergedEnvironment(environment);
    auto argv = Pointers(arguments);
    auto envp = Pointers(environmentTexts);
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, argv[0], actions.Get(), nullptr, argv.data(), envp.data());
    if (error != 0) {
        throw std::runtime_error("cannot start " + arguments[0] + ": " + std::strerror(error));
    }
    return pid;
}

int DecodeStatus(int status) {
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    return 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

} // namespace

ChildProcess::ChildProcess(const Launch& launch) {
    FileActions actions;
    const std::string output = launch.OutputFile.empty() ? "/dev/null" : launch.OutputFile;
    posix_spawn_file_actions_addopen(actions.Get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(actions.Get(), STDOUT_FILENO, output.c_str(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(actions.Get(), STDOUT_FILENO, STDERR_FILENO);
    if (!launch.WorkingFolder.empty()) {
        posix_spawn_file_actions_addchdir_np(actions.Get(), launch.WorkingFolder.c_str());
    }
    // A descriptor that is 3 already would keep its close-on-exec flag through dup2.
    const int spare = launch.HandOverFd >= 0 ? fcntl(launch.HandOverFd, F_DUPFD_CLOEXEC, 10) : -1;
    if (spare >= 0) {
        posix_spawn_file_actions_adddup2(actions.Get(), spare, 3);
    }
    try {
        pid_ = Spawn(launch.Arguments, launch.Environment, actions);
    } catch (...) {
        if (spare >= 0) {
            close(spare);
        }
        throw;
    }
    if (spare >= 0) {
        close(spare);
    }
}

ChildProcess::~ChildProcess() {
    Stop();
}

bool ChildProcess::Running() {
    if (status_) {
        return false;
    }
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        status_ = DecodeStatus(status);
        return false;
    }
    return true;
}

std::optional<int> ChildProcess::WaitForExit(std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (Running()) {
        if (Clock::now() > deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return status_;
}

void ChildProcess::Stop() {
    if (!Running()) {
        return;
    }
    kill(pid_, SIGTERM);
    if (!WaitForExit(std::chrono::seconds(5))) {
        kill(pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
        status_ = DecodeStatus(status);
    }
}

Captured RunAndCapture(const std::vector<std::string>& arguments,
                       const std::map<std::string, std::string>& environment,
                       std::chrono::milliseconds limit) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    FileActions actions;
    posix_spawn_file_actions_addopen(actions.Get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(actions.Get(), pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(actions.Get(), STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    try {
        pid = Spawn(arguments, environment, actions);
    } catch (...) {
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        throw;
    }
    close(pipeEnds[1]);

    Captured result;
    const auto deadline = Clock::now() + limit;
    bool timedOut = false;
    char buffer[4096];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            timedOut = true;
            break;
        }
        pollfd reader{pipeEnds[0], POLLIN, 0};
        if (poll(&reader, 1, static_cast<int>(left.count())) <= 0) {
            continue;
        }
        const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        result.Output.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    if (timedOut) {
        kill(pid, SIGKILL);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.Status = timedOut ? -1 : DecodeStatus(status);
    return result;
}

bool InPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t colon = std::min(folders.find(':', start), folders.size());
        const std::filesystem::path candidate =
            std::filesystem::path(folders.substr(start, colon - start)) / name;
        if (access(candidate.c_str(), X_OK) == 0 && std::filesystem::is_regular_file(candidate)) {
            return true;
        }
        start = colon + 1;
    }
    return false;
}

} // namespace lumbrant::e2e
