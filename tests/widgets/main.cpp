// Runs the widget tests inside one QApplication; ctest runs them on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/form1.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    useSpanishButtons();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
