#pragma once

#include "common/authorization.h"
#include "common/unlock_dialog.h"

class QLineEdit;

namespace ostrel {

// Asks for the master password. Closes with OK once it is right; a wrong one is reported and
// the dialog stays open for another try.
class TfrmUnlock : public UnlockDialog {
    Q_OBJECT

public:
    explicit TfrmUnlock(const UnlockChecks& checks);

    QLineEdit* edtPassword;

private:
    void btnOKClick();

    const UnlockChecks& checks_;
};

}  // namespace ostrel
