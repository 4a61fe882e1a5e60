#include "ui/shell/CommandGroup.h"

#include "support/core/TempFolder.h"
#include "ui/shell/OptionsNames.h"

#include <cstdlib>
#include <filesystem>

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using Names = ui::OptionsNames;
using namespace Qt::StringLiterals;

template <class T> T* part(const ui::CommandGroup& group, const char* name) {
    return group.findChild<T*>(QLatin1StringView(name));
}

// PATH holds only a folder of the test's own with one downloader in it.
class CommandGroupTest : public ::testing::Test {
protected:
    CommandGroupTest() : oldPath_(std::getenv("PATH")) {
        const std::string wget = folder.makeFile("wget", "#!/bin/sh\n");
        std::filesystem::permissions(wget, std::filesystem::perms::owner_all);
        ::setenv("PATH", folder.path().c_str(), 1);
    }
    ~CommandGroupTest() override { ::setenv("PATH", oldPath_.c_str(), 1); }

    TempFolder folder;

private:
    std::string oldPath_;
};

TEST_F(CommandGroupTest, OffersTheTemplatesOfProgramsOnPathAndKeepsOnlyALineThatParses) {
    ui::CommandGroup group;
    auto* line = part<QComboBox>(group, Names::kCommandTemplate);
    ASSERT_EQ(line->count(), 1);
    EXPECT_TRUE(line->itemText(0).startsWith(u"wget "_s));

    core::SettingsRecord settings;
    settings.commandTemplate = "mine -- {url}";
    settings.commandJobs = 2;
    settings.commandTimeout = 30;
    group.fill(settings);
    line->setEditText(u"wget \"{url}"_s);
    EXPECT_FALSE(part<QLabel>(group, Names::kCommandProblem)->isHidden());
    part<QSpinBox>(group, Names::kCommandJobs)->setValue(6);
    group.confirm(settings);
    EXPECT_EQ(settings.commandTemplate, "mine -- {url}");
    EXPECT_EQ(settings.commandJobs, 6);
    EXPECT_EQ(settings.commandTimeout, 30);

    line->setEditText(u"wget -- '{url}'"_s);
    EXPECT_TRUE(part<QLabel>(group, Names::kCommandProblem)->isHidden());
    group.confirm(settings);
    EXPECT_EQ(settings.commandTemplate, "wget -- '{url}'");
}

} // namespace
} // namespace harvex2::test
