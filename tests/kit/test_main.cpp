#include "app/startup.h"

#include <QApplication>
#include <gtest/gtest.h>

// Tests run headless with the client's Russian texts and formats.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    app::installRussian();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
