#include "ui/shell/LinkListView.h"

#include "core/shell/LinkList.h"
#include "ui/platform/TextBytes.h"
#include "ui/shell/LinkListModel.h"

#include <QAbstractItemDelegate>
#include <QCoreApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

#include <gtest/gtest.h>

namespace harvex2::ui {
namespace {

using namespace Qt::StringLiterals;

class LinkListViewTest : public testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 10; ++i) {
            links.append("http://host/" + std::to_string(i) + ".zip");
        }
        view.setLinkModel(&model);
        view.resize(300, 400);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    void click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QRect rect = view.visualRect(model.index(row));
        // Right of the check box: selects the entry without toggling it.
        QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers,
                          QPoint(rect.right() - 4, rect.center().y()));
    }

    // The middle of the entry's check box, where the style draws it.
    QPoint checkBoxOf(int row) const {
        QStyleOptionViewItem option;
        option.initFrom(view.viewport());
        option.rect = view.visualRect(model.index(row));
        option.features = QStyleOptionViewItem::HasCheckIndicator;
        return view.style()
            ->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &view)
            .center();
    }

    void clickCheckBox(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, checkBoxOf(row));
    }

    std::vector<int> checkedRows() const {
        std::vector<int> rows;
        for (std::size_t i = 0; i < links.count(); ++i) {
            if (links.checkedAt(i)) {
                rows.push_back(static_cast<int>(i));
            }
        }
        return rows;
    }

    core::LinkList links;
    LinkListModel model{links};
    LinkListView view;
};

TEST_F(LinkListViewTest, ShiftClickInvertsBetweenAnchorAndClickedEntry) {
    click(6);
    EXPECT_EQ(view.anchor(), 6);
    click(2, Qt::ShiftModifier);
    EXPECT_EQ(checkedRows(), (std::vector<int>{3, 4, 5}));
    click(2, Qt::ShiftModifier);
    EXPECT_EQ(checkedRows(), (std::vector<int>{3, 4, 5}));
    click(4, Qt::ShiftModifier);
    EXPECT_EQ(checkedRows(), (std::vector<int>{4, 5}));
}

TEST_F(LinkListViewTest, PlainOrShiftControlReleaseOnlyMovesTheAnchor) {
    click(1);
    click(5, Qt::ShiftModifier | Qt::ControlModifier);
    click(8, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_TRUE(checkedRows().empty());
    EXPECT_EQ(view.anchor(), 8);
}

TEST_F(LinkListViewTest, AnchorBeyondTheEndTogglesOnlyExistingEntries) {
    click(9);
    for (int i = 0; i < 4; ++i) {
        links.removeAt(links.count() - 1);
    }
    click(2, Qt::ShiftModifier);
    EXPECT_EQ(checkedRows(), (std::vector<int>{3, 4, 5}));
}

TEST_F(LinkListViewTest, CheckBoxClickAndSpaceBarToggleOneEntry) {
    clickCheckBox(3);
    EXPECT_EQ(checkedRows(), (std::vector<int>{3}));
    view.setCurrentIndex(model.index(7));
    QTest::keyClick(&view, Qt::Key_Space);
    EXPECT_EQ(checkedRows(), (std::vector<int>{3, 7}));
    QTest::keyClick(&view, Qt::Key_Space);
    EXPECT_EQ(checkedRows(), (std::vector<int>{3}));
}

TEST_F(LinkListViewTest, CheckBoxClickMakesItsEntryCurrentAsATextClickDoes) {
    click(8);
    clickCheckBox(2);
    EXPECT_EQ(view.currentIndex().row(), 2);
    EXPECT_EQ(view.anchor(), 2);
    // Shift-clicking a second box toggles the whole range, both ends included.
    clickCheckBox(6, Qt::ShiftModifier);
    EXPECT_EQ(view.currentIndex().row(), 6);
    EXPECT_EQ(checkedRows(), (std::vector<int>{2, 3, 4, 5, 6}));
    // The space bar toggles the entry whose box was clicked last, not the one before it.
    clickCheckBox(4);
    EXPECT_EQ(checkedRows(), (std::vector<int>{2, 3, 5, 6}));
    QTest::keyClick(&view, Qt::Key_Space);
    EXPECT_EQ(checkedRows(), (std::vector<int>{2, 3, 4, 5, 6}));
}

TEST_F(LinkListViewTest, ViewFollowsChangesMadeThroughTheCore) {
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    links.append("a\xE9");
    EXPECT_EQ(model.rowCount(), 11);
    EXPECT_EQ(model.data(model.index(10), Qt::DisplayRole).toString().size(), 2);
    for (std::size_t i = 0; i < links.count(); i += 2) {
        links.setChecked(i, true);
    }
    EXPECT_EQ(model.data(model.index(0), Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    links.removeSelected();
    EXPECT_EQ(model.rowCount(), 5);
    EXPECT_EQ(resets.count(), 0);
    links.clear();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(resets.count(), 1);
}

TEST_F(LinkListViewTest, EntriesShowTheirSingleBytesAndALongOneCut) {
    links.append("http://h/caf\xE9");
    const std::string huge = "http://h/" + std::string(5 << 20, 'a');
    links.append(huge);
    QCoreApplication::processEvents();
    for (const Qt::ItemDataRole role : {Qt::DisplayRole, Qt::ToolTipRole}) {
        SCOPED_TRACE(static_cast<int>(role));
        EXPECT_EQ(model.data(model.index(10), role).toString(), u"http://h/caf\u00E9"_s);
        const QString shown = model.data(model.index(11), role).toString();
        EXPECT_EQ(shown.size(), kShownCharacters + 1);
        EXPECT_TRUE(shown.startsWith(u"http://h/aaa"_s));
        EXPECT_TRUE(shown.endsWith(kElisionMark));
    }
    EXPECT_EQ(links.textAt(11), huge);
}

// A long link is cut in its middle, where the view elides, so its file name stays in
// sight; the list never scrolls sideways.
TEST_F(LinkListViewTest, ALongLinkIsCutInTheMiddleWithinTheViewsWidth) {
    // The first row is the one a list of rows of one size measures.
    links.clear();
    links.append("http://host/" + std::string(400, 'd') + "/file.zip");
    links.append("http://host/a.zip");
    QCoreApplication::processEvents();
    for (const int width : {300, 500}) {
        view.resize(width, 400);
        QCoreApplication::processEvents();
        EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0);
        EXPECT_LE(view.visualRect(model.index(0)).right(), view.viewport()->width());
    }
    EXPECT_EQ(view.textElideMode(), Qt::ElideMiddle);
}

// Every layout visits the whole list. Links arriving one at a time with events processed in
// between, as a long parse delivers them, once cost one layout each: appending grew with
// the square of the list.
TEST(LinkListViewGrowthTest, LinksArrivingOneByOneDoNotLayOutTheListEachTime) {
    core::LinkList links;
    for (int i = 0; i < 300'000; ++i) {
        links.append(std::to_string(i));
    }
    LinkListModel model(links);
    LinkListView view;
    view.setLinkModel(&model);
    view.resize(300, 400);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QSignalSpy layouts(view.verticalScrollBar(), &QScrollBar::rangeChanged);
    for (int i = 0; i < 200; ++i) {
        links.append("late");
        QCoreApplication::processEvents();
    }
    EXPECT_LT(layouts.count(), 20);
    // Once the list stops growing, the rows that waited are laid out.
    const QModelIndex last = model.index(model.rowCount() - 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.visualRect(last).isValid(); }, 10'000));
}

TEST_F(LinkListViewTest, AnEntryHoldingLineBreaksShowsOnOneLine) {
    links.clear();
    links.append("http://a/\r\nb\vc\fd\xE2\x80\xA8"
                 "e\xE2\x80\xA9"
                 "f\xC2\x85"
                 "g");
    links.append("http://a/bcdefg");
    QStyleOptionViewItem option;
    option.initFrom(view.viewport());
    const auto height = [&](int row) {
        return view.itemDelegate()->sizeHint(option, model.index(row)).height();
    };
    EXPECT_EQ(height(0), height(1));
}

} // namespace
} // namespace harvex2::ui
