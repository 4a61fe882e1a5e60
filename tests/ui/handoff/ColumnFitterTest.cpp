#include "ui/handoff/ColumnFitter.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTreeView>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using namespace Qt::StringLiterals;

// Wide enough for the text, and no wider than the cell's padding and what kerning saves
// (letters such as "AV" sit closer than their advances add up to).
void expectFits(const QTreeView& view, int column, const QString& widest) {
    const int text = view.fontMetrics().horizontalAdvance(widest);
    const int section = view.header()->sectionSize(column);
    EXPECT_GE(section, text) << widest.toStdString();
    EXPECT_LE(section, text + text / 10 + 12) << widest.toStdString();
}

TEST(ColumnFitterTest, ColumnsFollowTheirWidestTextAsRowsArrive) {
    QStandardItemModel model(0, 2);
    model.setHorizontalHeaderLabels({u"URL"_s, u"Target"_s});
    QTreeView view;
    view.setModel(&model);
    ui::ColumnFitter fitter(view, 2);

    const QString ascii = u"http://www.example.com/AVATAR/WAVE/img0001.jpg"_s;
    const QString other = u"/home/user/Bilder/Übersicht – Größe.png"_s;
    model.appendRow({new QStandardItem(u"short"_s), new QStandardItem(u"s"_s)});
    model.appendRow({new QStandardItem(ascii), new QStandardItem(other)});
    model.appendRow({new QStandardItem(u"mid"_s), new QStandardItem(u"m"_s)});
    expectFits(view, 0, ascii);
    expectFits(view, 1, other);

    model.item(2, 0)->setText(ascii + u"/more"_s);
    expectFits(view, 0, ascii + u"/more"_s);
}

} // namespace
} // namespace harvex2::test
