#pragma once

#include <QDialog>

#include "common/settings_store.h"
#include "platform/dialogs.h"

class QLineEdit;
class QPushButton;

namespace ostrel {

// Changes the master password given the old one. The form takes Enter in its boxes: each moves
// on to the next box, the last one runs OK. Closes with OK once the password is changed and
// saved, with Cancel on Cancel or Escape.
class TfrmChangePassword : public QDialog {
    Q_OBJECT

public:
    TfrmChangePassword(OstrelSettingsStore& settings, Dialogs& dialogs);

    QLineEdit* edtOld;
    QLineEdit* edtNew;
    QLineEdit* edtNewConfirm;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void btnOKClick();

    OstrelSettingsStore& settings_;
    Dialogs& dialogs_;
};

}  // namespace ostrel
