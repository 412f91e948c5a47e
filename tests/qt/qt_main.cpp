#include <gtest/gtest.h>

#include <QApplication>

// Widget tests need one application object for the whole run.
int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    // Widget tests draw into memory, never on a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
