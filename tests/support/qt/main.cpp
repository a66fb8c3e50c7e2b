// main.cpp: runs a Qt window's test program inside one application, on the platform its environment
// names (the test presets name the offscreen one).
#include "qtwindow.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    pebblix::testing::DropUnhandledInputReports();
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
