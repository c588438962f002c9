#include "console/computer_table_model.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace ostrel {
namespace {

std::string Report(const std::string& name, const std::string& address, const std::string& idle) {
    return "<computername>" + name + "</computername><internalip>" + address +
           "</internalip><status>Unlocked</status><idletime>" + idle + "</idletime>";
}

class ComputerTableModelTest : public testing::Test {
protected:
    ComputerTableModelTest() {
        model_.MergeStatusReport(Report("beta", "10.0.0.10", "120"));
        model_.MergeStatusReport(Report("Alpha", "10.0.0.9", "abc"));
        model_.MergeStatusReport(Report("gamma", "10.0.0.100", "7"));
        view_.setModel(&model_);
        view_.setSortingEnabled(true);
        view_.sortByColumn(0, Qt::AscendingOrder);
        view_.setSelectionBehavior(QAbstractItemView::SelectRows);
        view_.resize(900, 300);
        view_.show();
    }

    QStringList Column(int column) const {
        QStringList texts;
        for (int row = 0; row < model_.rowCount(); ++row) {
            texts << model_.index(row, column).data().toString();
        }
        return texts;
    }

    void ClickHeader(int column) {
        QHeaderView* header = view_.horizontalHeader();
        const QPoint centre(
            header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    }

    ComputerTableModel model_;
    QTableView view_;
};

TEST_F(ComputerTableModelTest, ShowsTheColumnTableOnDemand) {
    ASSERT_EQ(model_.columnCount(), 15);
    EXPECT_EQ(model_.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Computer");
    EXPECT_EQ(model_.headerData(14, Qt::Horizontal, Qt::DisplayRole).toString(), "SysUpTime");
    // Sorted by name: Alpha, beta, gamma.
    EXPECT_EQ(model_.index(0, 4).data().toString(), "(n/a)");
    EXPECT_EQ(model_.index(1, 4).data().toString(), "2 min 0 sec");
    EXPECT_FALSE(model_.index(5, 0).data().isValid());
}

TEST_F(ComputerTableModelTest, HeaderClicksSortEachColumnByItsKeyBothWays) {
    // A click on another column sorts it ascending; a second click on it, descending.
    struct Step {
        int column;
        QStringList names;
    };
    const Step steps[] = {
        {1, {"Alpha", "beta", "gamma"}},  // addresses by number: .9, .10, .100
        {1, {"gamma", "beta", "Alpha"}},  // the same column again: descending
        {4, {"gamma", "beta", "Alpha"}},  // idle seconds 7, 120, then "(n/a)"
        {0, {"Alpha", "beta", "gamma"}},  // names without letter case
        {0, {"gamma", "beta", "Alpha"}},
    };
    for (const Step& step : steps) {
        ClickHeader(step.column);
        EXPECT_EQ(Column(0), step.names) << step.column;
    }
}

TEST_F(ComputerTableModelTest, SelectionFollowsItsRecordThroughSortAndPrune) {
    view_.sortByColumn(0, Qt::AscendingOrder);
    view_.selectRow(1);  // beta
    view_.sortByColumn(0, Qt::DescendingOrder);
    ASSERT_EQ(view_.selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(view_.selectionModel()->selectedRows()[0].data().toString(), "beta");

    QSignalSpy removed(&model_, &QAbstractItemModel::rowsRemoved);
    model_.Prune({"10.0.0.10"});
    EXPECT_EQ(removed.size(), 2);
    EXPECT_EQ(Column(0), QStringList{"beta"});
    EXPECT_EQ(view_.selectionModel()->selectedRows()[0].data().toString(), "beta");
}

TEST_F(ComputerTableModelTest, MergeRefreshesTheRowOrAppendsOne) {
    QSignalSpy inserted(&model_, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&model_, &QAbstractItemModel::dataChanged);
    const int rows = model_.rowCount();
    const int row = model_.MergeStatusReport(Report("gamma", "10.0.0.101", "8"));
    EXPECT_EQ(model_.index(row, 1).data().toString(), "10.0.0.101");
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(model_.MergeStatusReport(Report("GAMMA", "10.0.0.102", "8")), rows);
    EXPECT_EQ(inserted.size(), 1);
    EXPECT_EQ(model_.rowCount(), rows + 1);
}

}  // namespace
}  // namespace ostrel
