// Window tests run on Qt's offscreen platform, set before the application
// object exists so that test discovery works without a display too. They run
// in a mount namespace of their own, entered while the process has one
// thread, so that a test may mount a player that nothing else on the machine
// sees.

#include "support/PrivateMounts.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    lumbrant::e2e::EnterPrivateMountNamespace();
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName("Lumbrant");
    return RUN_ALL_TESTS();
}
