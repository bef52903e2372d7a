// Runs the widget tests inside one QApplication.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>

#include "app/form1.h"

int main(int argc, char* argv[])
{
    // No display is needed, nor used when there is one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    useSpanishButtons();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
