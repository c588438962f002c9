#pragma once

#include "common/authorization.h"
#include "common/permissions.h"
#include "common/unlock_dialog.h"

class QLineEdit;

namespace ostrel {

// Asks for a user name and password. Closes with OK and the account's level, with Cancel and
// None, or after wrong credentials with kModalBadCredentials and kBadPassword.
class TfrmUserUnlock : public UnlockDialog {
    Q_OBJECT

public:
    explicit TfrmUserUnlock(const UnlockChecks& checks);

    int Level() const { return level_; }

    QLineEdit* edtUsername;
    QLineEdit* edtPassword;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void UpdateOk();
    void btnOKClick();

    const UnlockChecks& checks_;
    int level_ = kPermissionNone;
};

}  // namespace ostrel
