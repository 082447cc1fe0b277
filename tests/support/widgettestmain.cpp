#include <QApplication>

#include <gtest/gtest.h>

// Tests run headless: CTest sets QT_QPA_PLATFORM=offscreen; a run by hand gets it here.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
