#include "ui/handoff/AddingRowsModel.h"

#include <string_view>

#include <QAbstractItemModelTester>
#include <QStringList>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

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
        for (int i = 0; i < 3; ++i) {
            rows.append("http://h/" + std::to_string(i), "/d/" + std::to_string(i), i);
        }
        rows.setStatus(1, "A0000001", core::RowPicture::Added);
        rows.clear();
        rows.append("http://h/again", "", 0);
        EXPECT_EQ(model.rowCount(), 1);
    }
    qInstallMessageHandler(previous);
    complaints = nullptr;
    EXPECT_TRUE(found.isEmpty()) << found.join(u'\n').toStdString();
}

} // namespace
} // namespace harvex2::test
