#include "support/ui/MainWindowFixture.h"
#include "ui/platform/ShownBytes.h"

#include <QComboBox>

namespace harvex2::ui {
namespace {

class RemoveDuplicatesCommandTest : public test::MainWindowFixture {};

TEST_F(RemoveDuplicatesCommandTest, ResolvesAgainstTheBaseBoxAndIgnoresTrackingWhenChecked) {
    for (const char* text : {"/a.zip", "http://h/a.zip#x", "http://h/a.zip?utm_source=x"}) {
        window->links().append(text);
    }
    ShownBytes::show(*window->baseUrlBox(), "http://h");
    action("Removeduplicates1")->trigger();
    EXPECT_EQ(window->links().count(), 2U);

    action("Ignoretrackingparameters1")->trigger();
    EXPECT_TRUE(action("Ignoretrackingparameters1")->isChecked());
    action("Removeduplicates1")->trigger();
    ASSERT_EQ(window->links().count(), 1U);
    EXPECT_EQ(window->links().textAt(0), "/a.zip");
}

} // namespace
} // namespace harvex2::ui
