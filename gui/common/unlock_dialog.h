#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

namespace ostrel {

// What both unlock dialogs share: caption, picture, the bold prompt naming the action, OK and
// Cancel, staying on top in the middle of the screen, and a width that fits the prompt.
class UnlockDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMinimumWidth = 332;
    // Room kept right of the prompt.
    static constexpr int kPromptMargin = 25;

    // The prompt becomes "Enter password to " + action.
    void SetAction(const std::string& action);
    const std::string& Action() const { return action_; }

    QLabel* lblText;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    // Controls go below the prompt; buttonsTop is where OK and Cancel sit.
    UnlockDialog(Qt::WindowFlags flags, int buttonsTop);

    void showEvent(QShowEvent* event) override;
    // Escape and Cancel close with the Cancel result.
    void reject() override;

private:
    // OK and Cancel at the right edge.
    void PlaceButtons(int width, int top);

    std::string action_;
};

}  // namespace ostrel
