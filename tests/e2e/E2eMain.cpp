// The end-to-end tests move into a mount namespace of their own before
// anything else runs: that needs a process with one thread.

#include "support/PrivateMounts.h"

#include <csignal>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    lumbrant::e2e::EnterPrivateMountNamespace();
    std::signal(SIGPIPE, SIG_IGN);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
