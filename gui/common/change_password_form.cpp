#include "common/change_password_form.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/form_helpers.h"
#include "common/master_password.h"
#include "common/modal_result.h"

namespace ostrel {

TfrmChangePassword::TfrmChangePassword(OstrelSettingsStore& settings, Dialogs& dialogs)
    : edtOld(new QLineEdit(this)),
      edtNew(new QLineEdit(this)),
      edtNewConfirm(new QLineEdit(this)),
      btnOK(new QPushButton(QStringLiteral("&OK"), this)),
      btnCancel(new QPushButton(QStringLiteral("Cancel"), this)),
      settings_(settings),
      dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("Change Ostrel Password"));
    auto* boxes = new QFormLayout;
    for (QLineEdit* box : {edtOld, edtNew, edtNewConfirm}) {
        box->setEchoMode(QLineEdit::Password);
        box->installEventFilter(this);
    }
    boxes->addRow(QStringLiteral("&Old:"), edtOld);
    boxes->addRow(QStringLiteral("&New:"), edtNew);
    boxes->addRow(QStringLiteral("&Confirm:"), edtNewConfirm);
    // The password is changed with Enter in the confirm box; the button stays disabled.
    btnOK->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("Enter your old password once and your new password twice."), this));
    layout->addLayout(boxes);
    layout->addLayout(buttons);
    setTabOrder(edtOld, edtNew);
    setTabOrder(edtNew, edtNewConfirm);
    setTabOrder(edtNewConfirm, btnOK);
    setTabOrder(btnOK, btnCancel);
    edtOld->setFocus();
    connect(btnOK, &QPushButton::clicked, this, &TfrmChangePassword::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmChangePassword::reject);
}

bool TfrmChangePassword::eventFilter(QObject* watched, QEvent* event) {
    if (!IsEnterPress(event)) return QDialog::eventFilter(watched, event);
    auto* box = static_cast<QLineEdit*>(watched);
    if (!box->text().isEmpty()) {
        if (box == edtOld) {
            edtNew->setFocus();
        } else if (box == edtNew) {
            edtNewConfirm->setFocus();
        } else {
            btnOKClick();
        }
    }
    return true;
}

void TfrmChangePassword::reject() {
    done(kModalCancel);
}

void TfrmChangePassword::btnOKClick() {
    switch (ChangeMasterPassword(settings_, dialogs_, TextOf(edtOld), TextOf(edtNew),
                                 TextOf(edtNewConfirm))) {
        case PasswordOutcome::kSaved:
            done(kModalOk);
            break;
        case PasswordOutcome::kWrongOld:
            edtOld->clear();
            edtNew->clear();
            edtNewConfirm->clear();
            edtOld->setFocus();
            break;
        case PasswordOutcome::kMismatch:
            edtNew->clear();
            edtNewConfirm->clear();
            edtNew->setFocus();
            break;
        default:
            break;
    }
}

}  // namespace ostrel
