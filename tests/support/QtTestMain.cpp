// Entry point of the widget test programs. Test discovery runs these binaries at
// build time, where CTest's environment does not apply, so the offscreen platform
// with the test screens (DRAVOLT_TEST_PLATFORM) is chosen here when nothing else
// was asked for.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", DRAVOLT_TEST_PLATFORM);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
