#include "common/unlock_form.h"

#include <QLineEdit>
#include <QPushButton>

#include "common/form_helpers.h"
#include "common/modal_result.h"

namespace ostrel {

TfrmUnlock::TfrmUnlock(const UnlockChecks& checks)
    : UnlockDialog(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint, 76),
      edtPassword(new QLineEdit(this)),
      checks_(checks) {
    edtPassword->setEchoMode(QLineEdit::Password);
    edtPassword->setGeometry(64, 40, 180, 24);
    btnOK->setText(QStringLiteral("OK"));
    btnCancel->setText(QStringLiteral("Cancel"));
    setTabOrder(edtPassword, btnOK);
    setTabOrder(btnOK, btnCancel);
    edtPassword->setFocus();

    connect(edtPassword, &QLineEdit::textChanged, this,
            [this](const QString& text) { btnOK->setEnabled(!text.isEmpty()); });
    connect(btnOK, &QPushButton::clicked, this, &TfrmUnlock::btnOKClick);
}

void TfrmUnlock::btnOKClick() {
    if (checks_.TryMasterPassword(Action(), TextOf(edtPassword))) {
        done(kModalOk);
        return;
    }
    edtPassword->clear();
    edtPassword->setFocus();
}

}  // namespace ostrel
