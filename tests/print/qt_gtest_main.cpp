#include <QGuiApplication>
#include <gtest/gtest.h>

// The Qt printer needs a GUI application, with no screen: offscreen also when
// the test list is read at build time, outside ctest's environment.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
