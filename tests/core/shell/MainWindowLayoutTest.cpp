#include "core/shell/MainWindowLayout.h"

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

TEST(MainWindowLayout, DesignSizeGivesTheDesignPositions) {
    const MainWindowLayout layout = MainWindowLayout::compute(411, 374);
    EXPECT_EQ(layout.actionsTop, 280);
    EXPECT_EQ(layout.actionsLeft, 16);
    EXPECT_EQ(layout.listHeight, 160);
    EXPECT_EQ(layout.listWidth, 326);
    EXPECT_EQ(layout.baseBoxTop, 216);
    EXPECT_EQ(layout.baseBoxWidth, 278);
    EXPECT_EQ(layout.dirBoxTop, 252);
    EXPECT_EQ(layout.browseTop, 251);
    EXPECT_EQ(layout.browseLeft, 331);
    EXPECT_EQ(layout.dirBoxWidth, 202);
    EXPECT_EQ(layout.statePanelWidth, 138);
    EXPECT_EQ(layout.detailPanelWidth, 138);
}

TEST(MainWindowLayout, GrowsWithTheWindow) {
    const MainWindowLayout layout = MainWindowLayout::compute(611, 574);
    EXPECT_EQ(layout.actionsTop, 480);
    EXPECT_EQ(layout.listHeight, 360);
    EXPECT_EQ(layout.actionsLeft, 116);
    EXPECT_EQ(layout.statePanelWidth, 238);
}

TEST(MainWindowLayout, NarrowWidthsRoundTowardZero) {
    EXPECT_EQ(MainWindowLayout::compute(411, 341).actionsLeft, 0);
    EXPECT_EQ(MainWindowLayout::compute(411, 97).statePanelWidth, 0);
}

} // namespace
} // namespace harvex2::core
