// SPDX-License-Identifier: MIT
// The Qt tests run on the offscreen platform: no display needed, nothing pops up.
#include <QApplication>

#include <gtest/gtest.h>

#include "ui/display.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window system's runtime folder in the build tree, not in /tmp.
    hexbrawl::ui::provideruntimedir(HEXBRAWL_TEST_RUNTIME);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
