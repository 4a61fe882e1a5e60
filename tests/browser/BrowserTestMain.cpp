#include "XvfbDisplay.h"

#include <cstdlib>
#include <optional>

#include <QApplication>

#include <gtest/gtest.h>

// The program reads the clipboard of a real X display of the run's own: the offscreen
// platform keeps its clipboard to itself, so a browser could never reach it. Without an X
// server there is no application, and the tests skip.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    const harvex2::test::XvfbDisplay display;
    std::optional<QApplication> app;
    if (!display.name().empty()) {
        setenv("DISPLAY", display.name().c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        app.emplace(argc, argv);
    }
    return RUN_ALL_TESTS();
}
