#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace ostrel {

// Quick feedback to the development team: an optional name and e-mail address and a message,
// handed to the desktop's mail program addressed to the team.
class TfrmFeedback : public QDialog {
    Q_OBJECT

public:
    explicit TfrmFeedback(QWidget* parent = nullptr);

private:
    void Send();

    QLineEdit* edtName_;
    QLineEdit* edtEmail_;
    QPlainTextEdit* memMessage_;
};

}  // namespace ostrel
