// SPDX-License-Identifier: MIT
// The real-window tests run on the X server run.sh starts, never offscreen.
#include <QApplication>

#include <gtest/gtest.h>

#include "ui/display.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    hexbrawl::ui::provideruntimedir(HEXBRAWL_TEST_RUNTIME);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
