#pragma once

#include <QDialog>

#include "workstation/messages/message_list.h"

class QAction;
class QListView;
class QPlainTextEdit;

namespace ostrel {

// "Messages": the session's notes, oldest first, one at a time. Shows only; the store stays as
// it is. Esc and "&Close" close it.
class TfrmMessages : public QDialog {
    Q_OBJECT

public:
    explicit TfrmMessages(const TMessageList& messages, QWidget* parent = nullptr);

    // The entry selected in the list, -1 for none.
    int Selected() const;

    QListView* msgLv;
    QPlainTextEdit* memMessage;
    QAction* tbFirst;
    QAction* tbPrevious;
    QAction* tbNext;
    QAction* tbLast;
    QAction* tbClose;

private:
    void Select(int index);
    void ShowSelected();

    const TMessageList& messages_;
};

}  // namespace ostrel
