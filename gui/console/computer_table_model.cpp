#include "computer_table_model.h"

#include "console/computer_columns.h"
#include "console/discovery.h"

namespace ostrel {

ComputerTableModel::ComputerTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int ComputerTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(computers_.Count());
}

int ComputerTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ComputerColumns().size());
}

QVariant ComputerTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() ||
        index.row() >= static_cast<int>(computers_.Count())) {
        return {};
    }
    const TComputer& computer = computers_.At(static_cast<std::size_t>(index.row()));
    return QString::fromStdString(ComputerColumnText(computer, index.column()));
}

QVariant ComputerTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= columnCount()) {
        return {};
    }
    const std::string_view caption = ComputerColumns()[static_cast<std::size_t>(section)].caption;
    return QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()));
}

void ComputerTableModel::sort(int column, Qt::SortOrder order) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Rows move: persistent indexes (selection, current row) follow their records.
    const QModelIndexList before = persistentIndexList();
    std::vector<std::string> names;
    for (const QModelIndex& index : before) {
        names.push_back(computers_.At(static_cast<std::size_t>(index.row())).computerName);
    }
    SortComputers(computers_, column, order == Qt::AscendingOrder);
    QModelIndexList after;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto row = computers_.IndexOfName(names[i]);
        after.push_back(
            index(static_cast<int>(row.value_or(0)), before[static_cast<int>(i)].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int ComputerTableModel::MergeStatusReport(const std::string& report) {
    const auto existing = computers_.IndexOfReport(report);
    if (existing) {
        computers_.MergeStatusReport(report);
        const int row = static_cast<int>(*existing);
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        return row;
    }
    const int row = rowCount();
    beginInsertRows({}, row, row);
    computers_.MergeStatusReport(report);
    endInsertRows();
    return row;
}

void ComputerTableModel::Prune(const std::vector<std::string>& found) {
    for (const std::size_t row : RecordsToPrune(computers_, found)) {
        beginRemoveRows({}, static_cast<int>(row), static_cast<int>(row));
        computers_.RemoveAt(row);
        endRemoveRows();
    }
}

void ComputerTableModel::Clear() {
    beginResetModel();
    computers_.Clear();
    endResetModel();
}

}  // namespace ostrel
