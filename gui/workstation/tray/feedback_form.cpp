#include "workstation/tray/feedback_form.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QUrlQuery>

#include "workstation/process/program_version.h"
#include "workstation/process/tray_menu_targets.h"
#include "workstation/tray/shell_open.h"

namespace ostrel {

TfrmFeedback::TfrmFeedback(QWidget* parent) : QDialog(parent) {
    setObjectName("frmFeedback");
    setWindowTitle("Send Quick Feedback");
    auto* layout = new QFormLayout(this);
    edtName_ = new QLineEdit(this);
    edtEmail_ = new QLineEdit(this);
    memMessage_ = new QPlainTextEdit(this);
    layout->addRow("&Name (optional):", edtName_);
    layout->addRow("&E-mail (optional):", edtEmail_);
    layout->addRow("&Message:", memMessage_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* send = buttons->addButton("&Send", QDialogButtonBox::AcceptRole);
    send->setEnabled(false);
    connect(memMessage_, &QPlainTextEdit::textChanged, this,
            [this, send] { send->setEnabled(!memMessage_->toPlainText().trimmed().isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmFeedback::Send);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}

void TfrmFeedback::Send() {
    QString body = memMessage_->toPlainText() + "\n\n";
    if (!edtName_->text().isEmpty()) body += "Name: " + edtName_->text() + "\n";
    if (!edtEmail_->text().isEmpty()) body += "E-mail: " + edtEmail_->text() + "\n";
    body += QString("Version: %1\n").arg(kProgramVersion);
    QUrl mail(kMakerSupportMail);
    QUrlQuery query;
    query.addQueryItem("subject", "Ostrel 3.0 feedback");
    query.addQueryItem("body", body);
    mail.setQuery(query);
    ShellOpen(mail.toString(QUrl::FullyEncoded).toStdString());
    accept();
}

}  // namespace ostrel
