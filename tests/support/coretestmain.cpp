#include <QCoreApplication>

#include <gtest/gtest.h>

// The main of the core, data, dialect and database tests: no screens, so no QApplication and
// no Widgets in the link.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
