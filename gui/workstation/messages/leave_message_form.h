#pragma once

#include <QDialog>

#include "common/ostrel_settings.h"
#include "platform/dialogs.h"
#include "workstation/messages/note_checks.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace ostrel {

// "Leave a Secure Note": the visitor's name, subject and e-mail address (rows shown as the
// settings ask) and the message. "&Leave Note" closes with OK once the note passes its checks;
// Esc and "&Cancel" close with Cancel.
class TfrmLeaveMessage : public QDialog {
    Q_OBJECT

public:
    TfrmLeaveMessage(const TOstrelSettings& settings, Dialogs& dialogs, QWidget* parent = nullptr);

    // The texts as typed; a hidden row gives an empty text.
    NoteEntry Note() const;

    QWidget* panFrom;
    QLineEdit* edtFrom;
    QWidget* panSubject;
    QLineEdit* edtSubject;
    QWidget* panEmail;
    QLineEdit* edtEmail;
    QCheckBox* chkEmailCopy;
    QPlainTextEdit* memMessage;
    QToolButton* tbLeaveMessage;
    QToolButton* tbCancel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tbLeaveMessageClick();
    QWidget* FieldWidget(NoteField field) const;

    const TOstrelSettings settings_;
    Dialogs& dialogs_;
};

}  // namespace ostrel
