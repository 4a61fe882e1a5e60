#include "ui/platform/FailureBox.h"

#include <gtest/gtest.h>

namespace harvex2::ui {
namespace {

using platform::FailureKind;
using platform::MessageIcon;

TEST(FailureBoxTest, EachKindOfFailureHasItsCaptionAndItsTextAsWritten) {
    const struct {
        platform::Failure failure;
        const char* caption;
        const char* text;
    } cases[] = {
        {{FailureKind::General, "Disk full"}, "Harvex2", "Disk full."},
        {{FailureKind::General, "gone."}, "Harvex2", "gone."},
        {{FailureKind::General, ""}, "Harvex2", "."},
        {{FailureKind::File, "Not a regular file", "/l/a.nva"},
         "Harvex2",
         "/l/a.nva: Not a regular file."},
        {{FailureKind::File, "File not found"}, "Harvex2", "File not found."},
        {{FailureKind::Folder, "Could not create new directory \"/d\""},
         "Error",
         "Could not create new directory \"/d\""},
        {{FailureKind::Connection, "Harvex cannot work with NetVampire 2.4"},
         "Error",
         "Harvex cannot work with NetVampire 2.4"},
        {{FailureKind::Stated, "Net Vampire is not responding"},
         "Harvex2",
         "Net Vampire is not responding"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failure.text);
        const platform::MessageRequest request = FailureBox::requestFor(c.failure);
        EXPECT_EQ(request.icon, MessageIcon::Error);
        EXPECT_EQ(request.caption, c.caption);
        EXPECT_EQ(request.text, c.text);
        EXPECT_EQ(request.buttons, std::vector{platform::MessageButton::Ok});
    }
}

} // namespace
} // namespace harvex2::ui
