#include "ui/handoff/AddingRowsModel.h"

#include "ui/platform/TextBytes.h"

#include <string_view>

#include <QAbstractItemModelTester>
#include <QStringList>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using namespace Qt::StringLiterals;

QStringList* complaints = nullptr;

void collectComplaints(QtMsgType, const QMessageLogContext& context, const QString& text) {
    if (complaints && context.category && std::string_view(context.category) == "qt.modeltest") {
        complaints->append(text);
    }
}

// Qt's own model checker watches every change the rows make; views rely on the same rules.
TEST(AddingRowsModelTest, ChangesReachViewsInTheOrderQtRequires) {
    QStringList found;
    complaints = &found;
    const QtMessageHandler previous = qInstallMessageHandler(collectComplaints);
    {
        core::AddingRows rows;
        ui::AddingRowsModel model(rows);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::Warning);
        for (std::size_t i = 0; i < 3; ++i) {
            rows.append("http://h/" + std::to_string(i), {"/d/", std::to_string(i)},
                        core::RowSource{i});
        }
        rows.setStatus(1, "A0000001", core::RowPicture::Added);
        rows.clear();
        rows.append("http://h/again", {}, core::RowSource{0});
        EXPECT_EQ(model.rowCount(), 1);
    }
    qInstallMessageHandler(previous);
    complaints = nullptr;
    EXPECT_TRUE(found.isEmpty()) << found.join(u'\n').toStdString();
}

TEST(AddingRowsModelTest, TextsShowTheirSingleBytesAndLongOnesCut) {
    core::AddingRows rows;
    ui::AddingRowsModel model(rows);
    const std::string huge = "http://h/" + std::string(5 << 20, 'a');
    rows.append("http://h/f\xFCr.zip", {"/d/", huge}, core::RowSource{});
    rows.setStatus(0, "\x93quoted\x94", core::RowPicture::Refused);
    const auto shown = [&](int column) {
        return model.data(model.index(0, column), Qt::DisplayRole).toString();
    };
    EXPECT_EQ(shown(ui::AddingRowsModel::UrlColumn), u"http://h/f\u00FCr.zip"_s);
    EXPECT_EQ(shown(ui::AddingRowsModel::StatusColumn), u"\u201Cquoted\u201D"_s);
    const QString target = shown(ui::AddingRowsModel::TargetColumn);
    EXPECT_EQ(target.size(), ui::kShownCharacters + 1);
    EXPECT_TRUE(target.endsWith(ui::kElisionMark));
    EXPECT_EQ(rows.at(0).target(), "/d/" + huge);
}

} // namespace
} // namespace harvex2::test
