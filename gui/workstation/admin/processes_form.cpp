#include "workstation/admin/processes_form.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ostrel {

TfrmProcesses::TfrmProcesses(const ProcessSnapshot& snapshot, EventLog& log, QWidget* parent)
    : QWidget(parent, Qt::Window),
      snapshot_(snapshot),
      log_(log),
      listView_(new QTreeWidget(this)),
      refreshButton_(new QPushButton(tr("Refresh"), this)) {
    setWindowTitle(tr("Processes"));
    listView_->setObjectName("ListView1");
    listView_->setRootIsDecorated(false);
    listView_->setSortingEnabled(false);
    listView_->setHeaderLabels({tr("PID"), tr("Executable"), tr("In Folder")});
    listView_->header()->setStretchLastSection(true);
    refreshButton_->setObjectName("btnRefresh");
    connect(refreshButton_, &QPushButton::clicked, this, &TfrmProcesses::RefreshProcessList);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listView_);
    layout->addWidget(refreshButton_, 0, Qt::AlignRight);
    resize(420, 360);

    RefreshProcessList();
}

TfrmProcesses::~TfrmProcesses() {
    log_.DebugLog("clearing prcList in FormDestroy");
}

void TfrmProcesses::RefreshProcessList() {
    processList_.Refresh(snapshot_);
    FillListView();
}

std::string TfrmProcesses::ProcessNamesText() {
    RefreshProcessList();
    return ostrel::ProcessNamesText(processList_);
}

std::string TfrmProcesses::FindProcessId(std::string_view name) {
    return ostrel::FindProcessId(processList_, name, log_);
}

void TfrmProcesses::FillListView() {
    listView_->clear();
    QList<QTreeWidgetItem*> rows;
    for (const TProcessObject& process : processList_.Items()) {
        rows.append(new QTreeWidgetItem({QString::number(process.processId),
                                         QString::fromStdString(process.executable),
                                         QString::fromStdString(process.folder)}));
    }
    listView_->addTopLevelItems(rows);
}

}  // namespace ostrel
