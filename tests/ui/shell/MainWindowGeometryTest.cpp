#include "support/ui/MainWindowFixture.h"
#include "ui/shell/MainClientArea.h"
#include "ui/shell/MainStatusBar.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

namespace harvex2::ui {
namespace {

using test::MainWindowFixture;

class MainWindowGeometryTest : public MainWindowFixture {
protected:
    QWidget* client() const { return window->centralWidget(); }
    QRect geometryOf(const char* name) const { return child<QWidget>(name)->geometry(); }
    // Sizes the window so that the resize rule sees this outer size.
    void resizeOuter(int width, int height) {
        window->applyOuterRect({window->x(), window->y(), width, height});
    }
};

TEST_F(MainWindowGeometryTest, StartsAtItsDesignPlaceAndSize) {
    EXPECT_EQ(window->outerRect(), (core::WindowRect{197, 184, 376, 411}));
    EXPECT_EQ(client()->size(), QSize(374, 373));
}

// Where the resize rule puts each control for an outer size (client width = outer - 2).
struct RuleCase {
    int outerWidth;
    int outerHeight;
    const char* control;
    QRect expected;
};

void PrintTo(const RuleCase& c, std::ostream* out) {
    *out << c.control << " at " << c.outerWidth << "x" << c.outerHeight;
}

class ResizeRuleTest : public MainWindowGeometryTest,
                       public testing::WithParamInterface<RuleCase> {};

TEST_P(ResizeRuleTest, PlacesTheControl) {
    const RuleCase& c = GetParam();
    resizeOuter(c.outerWidth, c.outerHeight);
    const QRect actual = geometryOf(c.control);
    EXPECT_EQ(actual.topLeft(), c.expected.topLeft()) << c.control;
    if (c.expected.width() > 0) {
        EXPECT_EQ(actual.width(), c.expected.width()) << c.control;
    }
    if (c.expected.height() > 0) {
        EXPECT_EQ(actual.height(), c.expected.height()) << c.control;
    }
}

// A zero width or height is not checked: that size is the style's or the design's own.
INSTANTIATE_TEST_SUITE_P(DesignAndLargerSizes, ResizeRuleTest,
                         testing::Values(RuleCase{376, 411, "GroupBox1", {16, 280, 342, 57}},
                                         RuleCase{376, 411, "CheckListBox1", {28, 48, 326, 160}},
                                         RuleCase{376, 411, "Label2", {14, 218, 0, 0}},
                                         RuleCase{376, 411, "txtBaseURL", {74, 216, 278, 0}},
                                         RuleCase{376, 411, "Label3", {13, 255, 0, 0}},
                                         RuleCase{376, 411, "Edit2", {112, 252, 202, 0}},
                                         RuleCase{376, 411, "Button4", {331, 251, 23, 22}},
                                         RuleCase{376, 411, "Label1", {13, 30, 0, 0}},
                                         RuleCase{602, 611, "GroupBox1", {129, 480, 342, 57}},
                                         RuleCase{602, 611, "CheckListBox1", {28, 48, 552, 360}},
                                         RuleCase{602, 611, "txtBaseURL", {74, 416, 504, 0}},
                                         RuleCase{602, 611, "Edit2", {112, 452, 428, 0}},
                                         RuleCase{602, 611, "Button4", {557, 451, 23, 22}}));

TEST_F(MainWindowGeometryTest, ToolBarAndStatusBarHugTheEdges) {
    resizeOuter(500, 500);
    EXPECT_EQ(geometryOf("ToolBar1"), QRect(0, 0, 498, 24));
    EXPECT_EQ(geometryOf("StatusBar1"), QRect(0, 462 - 19, 498, 19));
}

TEST_F(MainWindowGeometryTest, StatusPanelsSplitTheBarByTheRule) {
    for (const int outerWidth : {376, 602}) {
        SCOPED_TRACE(outerWidth);
        resizeOuter(outerWidth, 411);
        const int state = geometryOf("StatusPanel0").width();
        EXPECT_EQ(state, (outerWidth - 2 - 98) / 2);
        EXPECT_EQ(geometryOf("StatusPanel1").width(), state);
        // The target panel runs to the right edge.
        EXPECT_EQ(geometryOf("StatusPanel2").right(), client()->width() - 1);
    }
}

TEST_F(MainWindowGeometryTest, AStatusTextCutAtItsPanelsEdgeShowsWholeInItsTooltip) {
    const std::string longer(300, 'W');
    const auto* detail = child<QLabel>("StatusPanel1");
    window->panels().setText(platform::StatusPanel::Detail, longer);
    EXPECT_EQ(detail->toolTip(), QString::fromStdString(longer));
    window->panels().setText(platform::StatusPanel::Detail, "v");
    EXPECT_TRUE(detail->toolTip().isEmpty());
}

TEST_F(MainWindowGeometryTest, NeverShrinksBelowItsMinimumAndKeepsEveryControlInside) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    // As a user dragging the window's corner would.
    window->resize(100, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->outerRect().width, 376);
    EXPECT_EQ(window->outerRect().height, 411);
    const QRect area = client()->rect();
    for (const QWidget* control : client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        SCOPED_TRACE(control->objectName().toStdString());
        if (control->isVisibleTo(client())) {
            EXPECT_TRUE(area.contains(control->geometry())) << control->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowGeometryTest, ControlsCarryTheirNamesAndCaptions) {
    EXPECT_EQ(window->objectName(), u"TForm1");
    EXPECT_EQ(window->windowTitle(), u"Harvex");
    EXPECT_EQ(child<QLabel>("Label1")->text(), u"Links:");
    EXPECT_EQ(child<QLabel>("Label2")->text(), u"Base URL:");
    EXPECT_EQ(child<QLabel>("Label3")->text(), u"Download directory:");
    EXPECT_EQ(child<QLabel>("Label3")->toolTip(),
              u"Note: Download directory only applies to NetVampire (currently)");
    EXPECT_EQ(child<QGroupBox>("GroupBox1")->title(), u"Actions");
    EXPECT_EQ(child<QPushButton>("Button1")->text(), u"&Add selected");
    EXPECT_EQ(child<QPushButton>("Button2")->text(), u"Add a&ll");
    EXPECT_EQ(child<QPushButton>("Button3")->text(), u"&Delete Selected");
    EXPECT_EQ(child<QPushButton>("Button4")->text(), u"...");
    EXPECT_TRUE(child<QComboBox>("txtBaseURL")->isEditable());
    EXPECT_TRUE(child<QComboBox>("Edit2")->isEditable());
}

TEST_F(MainWindowGeometryTest, FocusStartsInTheListAndTabFollowsTheDesignOrder) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("CheckListBox1"));

    const char* order[] = {"Button4",       "Button1",    "Button2", "Button3",
                           "CheckListBox1", "txtBaseURL", "Edit2"};
    child<QWidget>(order[0])->setFocus();
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget* focus = QApplication::focusWidget();
        // An editable box hands the focus to its line edit.
        const QWidget* owner = focus && qobject_cast<QComboBox*>(focus->parentWidget())
                                   ? focus->parentWidget()
                                   : focus;
        EXPECT_EQ(owner, child<QWidget>(order[i])) << "after " << order[i - 1];
    }
}

} // namespace
} // namespace harvex2::ui
