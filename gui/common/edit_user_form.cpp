#include "common/edit_user_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/form_helpers.h"
#include "common/modal_result.h"
#include "common/permissions.h"
#include "common/user_list.h"

namespace ostrel {
namespace {

// Keys that move between controls rather than type into one.
bool IsNavigationKey(const QEvent* event) {
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return ||
           key == Qt::Key_Enter || key == Qt::Key_Escape;
}

}  // namespace

TfrmEditUser::TfrmEditUser(Dialogs& dialogs)
    : edtUsername(new QLineEdit(this)),
      edtPassword(new QLineEdit(this)),
      lblConfirm(new QLabel(QStringLiteral("&Confirm:"), this)),
      edtConfirmPassword(new QLineEdit(this)),
      cboAccessLevel(new QComboBox(this)),
      btnOK(new QPushButton(QStringLiteral("OK"), this)),
      btnCancel(new QPushButton(QStringLiteral("Cancel"), this)),
      dialogs_(dialogs) {
    auto* header = new QLabel(QStringLiteral("Edit User"), this);
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    auto* instruction =
        new QLabel(QStringLiteral("Enter Username, Password, and confirm password.\r\n"
                                  "Then choose what access level to give the user."),
                   this);
    cboAccessLevel->addItems({QStringLiteral("Account Disabled"), QStringLiteral("Unlock Ostrel"),
                              QStringLiteral("Configure Ostrel (Admin)")});
    lblConfirm->setBuddy(edtConfirmPassword);
    btnOK->setDefault(true);

    auto* boxes = new QFormLayout;
    boxes->addRow(QStringLiteral("&Username"), edtUsername);
    boxes->addRow(QStringLiteral("&Password:"), edtPassword);
    boxes->addRow(lblConfirm, edtConfirmPassword);
    boxes->addRow(QStringLiteral("&Access:"), cboAccessLevel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(instruction);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
    setTabOrder(edtUsername, edtPassword);
    setTabOrder(edtPassword, edtConfirmPassword);
    setTabOrder(edtConfirmPassword, cboAccessLevel);
    setTabOrder(cboAccessLevel, btnOK);
    setTabOrder(btnOK, btnCancel);

    for (QLineEdit* box : {edtUsername, edtPassword, edtConfirmPassword}) {
        connect(box, &QLineEdit::textChanged, this, &TfrmEditUser::UpdateOk);
    }
    connect(btnOK, &QPushButton::clicked, this, &TfrmEditUser::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmEditUser::reject);
    PreviewKeys(this, this);
    OpenForAdd();
}

void TfrmEditUser::OpenForAdd() {
    addMode_ = true;
    setWindowTitle(QStringLiteral("Add User"));
    edtUsername->clear();
    edtPassword->clear();
    edtPassword->setEchoMode(QLineEdit::Password);
    edtConfirmPassword->clear();
    edtConfirmPassword->setEchoMode(QLineEdit::Password);
    SetConfirmEnabled(true);
    cboAccessLevel->setCurrentIndex(0);
    edtUsername->setFocus();
    UpdateOk();
}

void TfrmEditUser::OpenForEdit(const std::string& userName, const std::string& levelName) {
    addMode_ = false;
    setWindowTitle(QStringLiteral("Edit User"));
    edtUsername->setText(QString::fromStdString(userName));
    edtPassword->setEchoMode(QLineEdit::Normal);
    edtPassword->setText(QString::fromUtf8(kUnchangedPassword.data(), kUnchangedPassword.size()));
    edtConfirmPassword->clear();
    SetConfirmEnabled(false);
    cboAccessLevel->setCurrentIndex(PermissionFromName(levelName));
    edtUsername->setFocus();
    UpdateOk();
}

std::string TfrmEditUser::UserName() const {
    return TextOf(edtUsername);
}

std::string TfrmEditUser::Password() const {
    return TextOf(edtPassword);
}

int TfrmEditUser::Level() const {
    return cboAccessLevel->currentIndex();
}

bool TfrmEditUser::eventFilter(QObject* watched, QEvent* event) {
    if (IsEscapePress(event)) {
        reject();
        return true;
    }
    // A focused button takes Enter itself.
    if (IsEnterPress(event) && qobject_cast<QPushButton*>(watched) == nullptr) {
        Focus(EditUserEnterFocus(FocusedControl(), Fields(), edtPassword->isEnabled(),
                                 edtConfirmPassword->isEnabled()));
        return true;
    }
    const bool startsPassword = (event->type() == QEvent::MouseButtonPress ||
                                 (event->type() == QEvent::KeyPress && !IsNavigationKey(event)));
    if (watched == edtPassword && startsPassword && IsUnchangedPassword(TextOf(edtPassword))) {
        StartNewPassword();
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmEditUser::reject() {
    done(kModalCancel);
}

EditUserFields TfrmEditUser::Fields() const {
    return {addMode_, TextOf(edtUsername), TextOf(edtPassword), TextOf(edtConfirmPassword)};
}

EditUserControl TfrmEditUser::FocusedControl() const {
    const QWidget* focus = focusWidget();
    if (focus == edtUsername) return EditUserControl::kUserName;
    if (focus == edtPassword) return EditUserControl::kPassword;
    if (focus == edtConfirmPassword) return EditUserControl::kConfirm;
    if (focus == cboAccessLevel) return EditUserControl::kAccessLevel;
    if (focus == btnOK) return EditUserControl::kOk;
    return EditUserControl::kOther;
}

void TfrmEditUser::Focus(EditUserControl control) {
    switch (control) {
        case EditUserControl::kUserName:
            edtUsername->setFocus();
            break;
        case EditUserControl::kPassword:
            edtPassword->setFocus();
            break;
        case EditUserControl::kConfirm:
            edtConfirmPassword->setFocus();
            break;
        case EditUserControl::kAccessLevel:
            cboAccessLevel->setFocus();
            break;
        case EditUserControl::kOk:
            btnOK->setFocus();
            break;
        case EditUserControl::kOther:
            break;
    }
}

void TfrmEditUser::SetConfirmEnabled(bool enabled) {
    edtConfirmPassword->setEnabled(enabled);
    lblConfirm->setEnabled(enabled);
}

void TfrmEditUser::StartNewPassword() {
    edtPassword->clear();
    edtConfirmPassword->clear();
    SetConfirmEnabled(true);
    edtPassword->setEchoMode(QLineEdit::Password);
    edtConfirmPassword->setEchoMode(QLineEdit::Password);
}

void TfrmEditUser::UpdateOk() {
    btnOK->setEnabled(EditUserOkEnabled(Fields()));
}

void TfrmEditUser::btnOKClick() {
    if (EditUserOk(Fields(), dialogs_)) {
        done(kModalOk);
        return;
    }
    edtPassword->clear();
    edtConfirmPassword->clear();
    edtPassword->setFocus();
}

}  // namespace ostrel
