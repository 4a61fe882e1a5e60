#include "ui/shell/StartupSequence.h"

#include <QApplication>

#include <gtest/gtest.h>

// Window tests need one QApplication for the whole run. Test discovery only lists the
// tests, so it must work without any display platform at all.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QApplication app(argc, argv);
    // Every window is tested with the look the program gives itself at start-up.
    harvex2::ui::StartupSequence::initialiseApplication();
    return RUN_ALL_TESTS();
}
