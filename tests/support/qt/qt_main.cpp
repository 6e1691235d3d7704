// SPDX-License-Identifier: GPL-2.0-or-later
// The Qt tests need an application object before the first widget; they run offscreen unless the
// caller chose a platform (scripts/screenshots.sh, a developer watching them under X).
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
