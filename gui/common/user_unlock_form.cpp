#include "common/user_unlock_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/form_helpers.h"

namespace ostrel {
namespace {

QLineEdit* AddBox(QWidget* form, const QString& caption, int top) {
    auto* label = new QLabel(caption, form);
    label->move(64, top + 4);
    auto* box = new QLineEdit(form);
    box->setGeometry(150, top, 170, 24);
    label->setBuddy(box);
    return box;
}

}  // namespace

TfrmUserUnlock::TfrmUserUnlock(const UnlockChecks& checks)
    : UnlockDialog(Qt::Dialog, 106),
      edtUsername(AddBox(this, QStringLiteral("&Username:"), 40)),
      edtPassword(AddBox(this, QStringLiteral("&Password:"), 70)),
      checks_(checks) {
    edtPassword->setEchoMode(QLineEdit::Password);
    btnOK->setText(QStringLiteral("&OK"));
    btnCancel->setText(QStringLiteral("&Cancel"));
    setTabOrder(edtUsername, edtPassword);
    setTabOrder(edtPassword, btnOK);
    setTabOrder(btnOK, btnCancel);
    edtUsername->setFocus();
    edtUsername->installEventFilter(this);

    connect(edtUsername, &QLineEdit::textChanged, this, &TfrmUserUnlock::UpdateOk);
    connect(edtPassword, &QLineEdit::textChanged, this, &TfrmUserUnlock::UpdateOk);
    connect(btnOK, &QPushButton::clicked, this, &TfrmUserUnlock::btnOKClick);
}

bool TfrmUserUnlock::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edtUsername && IsEnterPress(event)) {
        edtPassword->setFocus();
        return true;
    }
    return UnlockDialog::eventFilter(watched, event);
}

void TfrmUserUnlock::reject() {
    level_ = kPermissionNone;
    UnlockDialog::reject();
}

void TfrmUserUnlock::UpdateOk() {
    btnOK->setEnabled(!edtUsername->text().isEmpty() && !edtPassword->text().isEmpty());
}

void TfrmUserUnlock::btnOKClick() {
    const AccountAnswer answer =
        checks_.TryAccount(Action(), TextOf(edtUsername), TextOf(edtPassword));
    level_ = answer.level;
    done(answer.modalResult);
}

}  // namespace ostrel
