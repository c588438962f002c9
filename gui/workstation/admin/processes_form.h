#pragma once

#include <QWidget>
#include <string>
#include <string_view>

#include "common/event_log.h"
#include "platform/process_snapshot.h"
#include "workstation/admin/process_list.h"

class QPushButton;
class QTreeWidget;

namespace ostrel {

// The lock session's hidden window over the running processes: it owns the process list and
// shows it in the list view "ListView1". Creating it takes one snapshot.
class TfrmProcesses : public QWidget {
    Q_OBJECT

public:
    TfrmProcesses(const ProcessSnapshot& snapshot, EventLog& log, QWidget* parent = nullptr);
    ~TfrmProcesses() override;

    // Takes a new snapshot into the list and the list view (the "Refresh" button).
    void RefreshProcessList();
    // Refreshes, then gives every executable followed by CR, in list order.
    std::string ProcessNamesText();
    // The id of the first listed process with that executable name, "0" when none; works on
    // the list as last refreshed.
    std::string FindProcessId(std::string_view name);

    const TProcessList& ProcessList() const { return processList_; }

private:
    void FillListView();

    const ProcessSnapshot& snapshot_;
    EventLog& log_;
    TProcessList processList_;
    QTreeWidget* listView_;
    QPushButton* refreshButton_;
};

}  // namespace ostrel
