#include <gtest/gtest.h>

#include <QApplication>

// The window tests need a QApplication; without a display they run on the
// offscreen platform (test discovery runs this binary at build time too).
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
