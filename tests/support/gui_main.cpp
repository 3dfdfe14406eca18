#include <QApplication>

#include <gmock/gmock.h>

// The main of every window test: a QApplication, then GoogleTest. Window tests run
// headless unless QT_QPA_PLATFORM asks for another platform, also when CTest lists the
// tests, which it does without the tests' environment.
int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
