#pragma once

#include <QDialog>

#include "common/settings_store.h"
#include "common/user_list.h"
#include "platform/dialogs.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ostrel {

// Sets the first master password and the administrator account. Closes with OK once they are
// saved; Exit (and closing the window) closes with kModalAbort, which ends the lock session.
class TfrmFirstTime : public QDialog {
    Q_OBJECT

public:
    TfrmFirstTime(OstrelSettingsStore& settings, UserList& users, Dialogs& dialogs,
                  QWidget* mainForm);

    QLabel* lblText;
    QLineEdit* edtPassword;
    QLineEdit* edtConfirm;
    QPushButton* btnOK;
    QPushButton* btnExit;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void btnOKClick();

    OstrelSettingsStore& settings_;
    UserList& users_;
    Dialogs& dialogs_;
};

}  // namespace ostrel
