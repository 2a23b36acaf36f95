#include "common/Files.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs a QApplication on the offscreen platform.
int main(int argc, char **argv)
{
    // As in the program: a write past the file-size limit fails instead of ending the process.
    IgnoreFileSizeLimitSignal();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
