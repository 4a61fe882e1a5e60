#include "ui/shell/LinkListModel.h"

#include "core/ledger/Ledger.h"
#include "core/shell/LinkList.h"
#include "support/core/TempFolder.h"

#include <utility>
#include <vector>

#include <QAbstractItemModelTester>
#include <QDateTime>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace harvex2::ui {
namespace {

using Rows = std::vector<std::pair<int, int>>;

// Qt's model checker reports through warnings; every one of them fails the test.
QtMessageHandler previousHandler = nullptr;
std::vector<QString> modelWarnings;

void collectWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        modelWarnings.push_back(text);
    }
    previousHandler(type, context, text);
}

Rows rowsOf(const QSignalSpy& spy) {
    Rows rows;
    for (const QList<QVariant>& arguments : spy) {
        rows.emplace_back(arguments.at(1).toInt(), arguments.at(2).toInt());
    }
    return rows;
}

class LinkListModelTest : public testing::Test {
protected:
    void SetUp() override {
        modelWarnings.clear();
        previousHandler = qInstallMessageHandler(collectWarnings);
    }
    void TearDown() override {
        qInstallMessageHandler(previousHandler);
        EXPECT_TRUE(modelWarnings.empty()) << modelWarnings.front().toStdString();
    }

    void appendNumbered(int count) {
        std::vector<std::string> texts;
        for (int i = 0; i < count; ++i) {
            texts.push_back(std::to_string(i));
        }
        links.appendAll(std::move(texts));
    }

    core::LinkList links;
    LinkListModel model{links};
    QAbstractItemModelTester tester{&model,
                                    QAbstractItemModelTester::FailureReportingMode::Warning};
};

TEST_F(LinkListModelTest, TheTooltipNamesThePageTheLinkCameFrom) {
    links.append("http://h/x", "http://page/caf\xE9");
    links.append("http://h/y");
    EXPECT_EQ(model.data(model.index(0), Qt::DisplayRole).toString(), QStringLiteral("http://h/x"));
    EXPECT_EQ(model.data(model.index(0), Qt::ToolTipRole).toString(),
              QStringLiteral("http://h/x\nFrom: http://page/caf\u00E9"));
    EXPECT_EQ(model.data(model.index(1), Qt::ToolTipRole).toString(), QStringLiteral("http://h/y"));
}

TEST_F(LinkListModelTest, RemovalsAreAnnouncedRunByRunFromTheEnd) {
    appendNumbered(10);
    links.append("10");
    EXPECT_EQ(model.rowCount(), 11);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    for (const std::size_t row : {1u, 2u, 5u, 9u}) {
        links.setChecked(row, true);
    }
    links.removeSelected();
    EXPECT_EQ(rowsOf(removed), (Rows{{9, 9}, {5, 5}, {1, 2}}));
    links.removeAt(0);
    links.removeEntries({5, 0, 5, 9});
    EXPECT_EQ(rowsOf(removed), (Rows{{9, 9}, {5, 5}, {1, 2}, {0, 0}, {5, 5}, {0, 0}}));
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.data(model.index(0), Qt::DisplayRole).toString(), QStringLiteral("4"));
    EXPECT_EQ(model.data(model.index(3), Qt::DisplayRole).toString(), QStringLiteral("8"));
}

TEST_F(LinkListModelTest, ManyScatteredRemovalsAndAClearResetTheModel) {
    appendNumbered(200);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    std::vector<std::size_t> everyOther;
    for (std::size_t row = 0; row < 200; row += 2) {
        everyOther.push_back(row);
    }
    links.removeEntries(everyOther);
    EXPECT_EQ(resets.count(), 1);
    ASSERT_EQ(model.rowCount(), 100);
    EXPECT_EQ(model.data(model.index(99), Qt::DisplayRole).toString(), QStringLiteral("199"));
    links.clear();
    EXPECT_EQ(resets.count(), 2);
    EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(LinkListModelTest, InversionsAnnounceTheRowsWhoseBoxesChanged) {
    appendNumbered(6);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    links.invertSelection();
    links.invertBetween(3, -1);
    EXPECT_TRUE(model.setData(model.index(5), Qt::Unchecked, Qt::CheckStateRole));
    Rows rows;
    for (const QList<QVariant>& arguments : changed) {
        rows.emplace_back(arguments.at(0).toModelIndex().row(),
                          arguments.at(1).toModelIndex().row());
    }
    EXPECT_EQ(rows, (Rows{{0, 5}, {2, 2}, {1, 1}, {0, 0}, {5, 5}}));
    std::vector<Qt::CheckState> states;
    for (int row = 0; row < model.rowCount(); ++row) {
        states.push_back(model.data(model.index(row), Qt::CheckStateRole).value<Qt::CheckState>());
    }
    EXPECT_EQ(states, (std::vector<Qt::CheckState>{Qt::Unchecked, Qt::Unchecked, Qt::Unchecked,
                                                   Qt::Checked, Qt::Checked, Qt::Unchecked}));
}

TEST_F(LinkListModelTest, EntriesSentBeforeAreGreyAndTheirTooltipSaysWhereAndWhen) {
    constexpr std::int64_t kTime = 1796738523;
    test::TempFolder folder;
    core::Ledger ledger(folder.file("sent"), [] { return kTime; });
    ledger.record("aria2", "http://h/dir/a.jpg");
    links.appendAll({"http://h/dir/a.jpg#top", "a.jpg", "http://h/dir/b.jpg"});
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setLedger(&ledger, [] { return std::string("http://h/dir/"); });
    ASSERT_EQ(changed.count(), 1) << "one announcement for every row";
    EXPECT_EQ(changed.at(0).at(0).toModelIndex().row(), 0);
    EXPECT_EQ(changed.at(0).at(1).toModelIndex().row(), 2);

    const QString sent = QStringLiteral("\nSent to aria2 on ") +
                         QDateTime::fromSecsSinceEpoch(kTime).toString(u"yyyy-MM-dd HH:mm");
    for (int row : {0, 1}) {
        EXPECT_TRUE(model.data(model.index(row), Qt::ForegroundRole).isValid()) << row;
        EXPECT_TRUE(model.data(model.index(row), Qt::ToolTipRole).toString().endsWith(sent)) << row;
    }
    EXPECT_FALSE(model.data(model.index(2), Qt::ForegroundRole).isValid());
    EXPECT_EQ(model.data(model.index(2), Qt::ToolTipRole).toString(),
              QStringLiteral("http://h/dir/b.jpg"));
}

} // namespace
} // namespace harvex2::ui
