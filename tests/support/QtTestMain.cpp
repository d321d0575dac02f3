#include "assets/assets.h"

#include <QApplication>

#include <gtest/gtest.h>

// One QApplication for every test of a Qt test program, with the pictures
// registered; the windows show on Qt's offscreen platform unless told otherwise.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    init_assets();
    return RUN_ALL_TESTS();
}
