#include <QGuiApplication>

#include <gtest/gtest.h>

// Painting on images and vector devices needs a QGuiApplication; the offscreen platform lets the
// tests run without a display, also when the build lists them or they are started by hand.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
