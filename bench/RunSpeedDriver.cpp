// One whole run of the main window against a news service, timed from the
// press of "Get News" to the run's end (transfer to a player included), on
// Qt's offscreen platform. bench/run_speed starts the service and reads the
// figures this prints:
//
//   run_speed_driver SERVICE_URL [FEED_ITEMS]
//
// With FEED_ITEMS the run is a feed edition of the service's eight feeds of
// the United States edition, FEED_ITEMS stories a feed.
//
//   wall_ms=...          press to run end
//   pages=...            article pages handled (entries of the error log)
//   player_files=...     files on the player after the run (notes and index)
//   idle_rss_kb=...      resident memory just before the press
//   peak_rss_kb=...      the process's peak resident memory

#include "support/FormSandbox.h"

#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <sys/resource.h>

namespace {

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

long PeakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int CountLogEntries(const std::filesystem::path& log) {
    std::ifstream in(log, std::ios::binary);
    int entries = 0;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() != '[') {
            ++entries;
        }
    }
    return entries;
}

int CountFiles(const std::filesystem::path& folder) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files += entry.is_regular_file() ? 1 : 0;
    }
    return files;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: run_speed_driver SERVICE_URL [FEED_ITEMS]\n";
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);

    lumbrant::testing::FormSandbox sandbox;
    auto settings = sandbox.Settings();
    settings.CreateKey();
    settings.WriteInteger("AG", 0);
    settings.WriteInteger("CI", 0);
    settings.WriteInteger("HS", 0);
    settings.WriteString("NS", argv[1]);
    settings.CloseKey();
    if (argc == 3) {
        std::ofstream edition(sandbox.WorkDir() + "/Editions.ini", std::ios::binary);
        edition << "[United States]\r\nItems=" << argv[2] << "\r\n";
        for (const char* code : {"TO", "WO", "LO", "BU", "SC", "SP", "EN", "HE"}) {
            edition << code << "=" << argv[1] << "/feeds/tus/" << code << ".xml\r\n";
        }
    }
    const std::string player = sandbox.AddPlayer("player");
    auto dependencies = sandbox.Dependencies();
    dependencies.Limits = lumbrant::FetchLimits{}; // the program's own, not the tests' short ones

    lumbrant::TFormMain form(std::move(dependencies));
    form.show();
    QApplication::processEvents();

    const long idleRss = ResidentKilobytes();
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!form.State().Running) {
            loop.quit();
        }
    });
    bool timedOut = false;
    QTimer::singleShot(std::chrono::minutes(10), [&] {
        timedOut = true;
        loop.quit();
    });

    const auto pressed = std::chrono::steady_clock::now();
    form.findChild<QPushButton*>("ButtonCopy")->click();
    poll.start();
    loop.exec();
    const auto ended = std::chrono::steady_clock::now();
    if (timedOut) {
        std::cerr << "run_speed_driver: the run did not end within ten minutes\n";
        return 1;
    }

    std::cout << "wall_ms="
              << std::chrono::duration_cast<std::chrono::milliseconds>(ended - pressed).count()
              << "\npages=" << CountLogEntries(sandbox.WorkDir() + "/Rovad.txt")
              << "\nplayer_files=" << CountFiles(player + "/Notes/news")
              << "\nidle_rss_kb=" << idleRss << "\npeak_rss_kb=" << PeakResidentKilobytes()
              << std::endl;
    return 0;
}
