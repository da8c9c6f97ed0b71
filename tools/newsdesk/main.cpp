#include "newsdesk/CommandLine.h"
#include "newsdesk/NewsDesk.h"

#include <csignal>
#include <iostream>
#include <pthread.h>

int main(int argc, char** argv) {
    std::string error;
    const auto commandLine =
        newsdesk::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!commandLine) {
        std::cerr << "newsdesk: " << error << "\n" << newsdesk::UsageText();
        return 2;
    }
    if (commandLine->Help) {
        std::cout << newsdesk::UsageText();
        return 0;
    }

    // Block the stop signals before any thread starts, so that every server
    // thread inherits the mask and only sigwait below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    newsdesk::NewsDesk desk(commandLine->Desk);
    if (!desk.Start()) {
        std::cerr << "newsdesk: cannot listen on " << commandLine->Desk.Host << ":"
                  << commandLine->Desk.Port << "\n";
        return 1;
    }
    std::cout << "newsdesk listening on " << desk.BaseUrl() << std::endl;

    int received = 0;
    sigwait(&stopSignals, &received);
    desk.Stop();
    return 0;
}
