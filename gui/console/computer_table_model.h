#pragma once

#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "console/computer_list.h"

namespace ostrel {

// The computer list as the main window's table shows it. Rows are produced on demand from the
// list, which the model owns; every change to the list goes through the model. GUI thread.
class ComputerTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ComputerTableModel(QObject* parent = nullptr);

    const TComputerList& Computers() const { return computers_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Each column by its own key; columns without values keep the order.
    void sort(int column, Qt::SortOrder order) override;

    // Refreshes or adds the record of a status report; gives its row.
    int MergeStatusReport(const std::string& report);
    // Removes the records whose internal address is not among the found ones.
    void Prune(const std::vector<std::string>& found);
    void Clear();

private:
    TComputerList computers_;
};

}  // namespace ostrel
