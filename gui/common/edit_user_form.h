#pragma once

#include <QDialog>
#include <string>

#include "common/edit_user_rules.h"
#include "platform/dialogs.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ostrel {

// Adds or changes one account. The opener reads UserName, Password (kUnchangedPassword when the
// password was left as it was) and Level after an OK result and writes the account itself.
class TfrmEditUser : public QDialog {
    Q_OBJECT

public:
    explicit TfrmEditUser(Dialogs& dialogs);

    // Caption "Add User", every box empty.
    void OpenForAdd();
    // Caption "Edit User", the account's name and level, the password left unchanged until the
    // person clicks or types into its box.
    void OpenForEdit(const std::string& userName, const std::string& levelName);

    std::string UserName() const;
    std::string Password() const;
    int Level() const;

    QLineEdit* edtUsername;
    QLineEdit* edtPassword;
    QLabel* lblConfirm;
    QLineEdit* edtConfirmPassword;
    QComboBox* cboAccessLevel;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    EditUserFields Fields() const;
    EditUserControl FocusedControl() const;
    void Focus(EditUserControl control);
    void SetConfirmEnabled(bool enabled);
    void StartNewPassword();
    void UpdateOk();
    void btnOKClick();

    Dialogs& dialogs_;
    bool addMode_ = true;
};

}  // namespace ostrel
