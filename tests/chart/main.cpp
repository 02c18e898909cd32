#include <QGuiApplication>
#include <gtest/gtest.h>

// Painting and font metrics need a QGuiApplication; the offscreen platform lets the tests run
// without a display, also when started by hand rather than through CTest.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
