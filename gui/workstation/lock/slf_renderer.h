#pragma once

#include <QObject>
#include <cstdint>

#include "platform/clock.h"
#include "workstation/lock/slf_loader.h"

class QLineEdit;
class QWidget;

namespace ostrel {

class AnalogClock;
class SlfLabel;

// Builds SLF layouts on the lock screen's layout panel (`panMain`, the surface given to the
// constructor). Load a layout with
//     LoadSLFLayout(path, context, renderer, services);
// The fixed controls exist from construction on, hidden, as children of the surface with these
// object names (findChild<...>(name) finds them; the accessors below give them typed):
//     edtExitUsername, edtExitPassword     QLineEdit     user name and password boxes
//     tbExitOK, tbChangePassword,          QToolButton   flat buttons
//       tbLeaveMessage
//     btnExitOK, btnChangePassword,        QPushButton   standard buttons
//       btnLeaveMessage
//     lblMessageCount, lblAwayMessage,     SlfLabel      labels
//       lblClock1, lblClock2, lblOstrelUptime, lblSystemUptime
//     jvClock                              AnalogClock   analog clock, stopped until a layout
//                                                        names it
// Wiring done here: Enter in the password box and either OK button emit okClicked(); Enter in
// the user-name box moves the focus to the password box; the mouse over either box focuses it;
// the user-name box is red while it has the focus. Everything else (what OK does, the other
// buttons' actions) is the lock form's, through the signals below.
//
// Controls that layouts create (labels, pictures, bevels, group boxes, plug-in error boxes)
// carry the property "slfCreated" and stay, hidden, until FreeCreatedControls. Stacking, from
// the back: bevels, pictures, group boxes, labels and flat buttons, then boxes, standard buttons
// and the analog clock, each in the order made, so decoration never hides text or credentials.
class SlfRenderer : public QObject, public SlfSurface {
    Q_OBJECT

public:
    explicit SlfRenderer(QWidget* surface);

    void HideAll() override;
    std::optional<std::string> Apply(const SlfControl& control) override;

    // The clock tick: visible clock labels show `now` in their format, visible uptime labels the
    // durations.
    void UpdateClocks(const LocalDateTime& now, std::int64_t sessionUptimeSeconds,
                      std::int64_t systemUptimeSeconds);
    // Focuses the password box if visible, then the user-name box if visible.
    void FocusCredentials();
    // Deletes every control a layout created, the last made first.
    void FreeCreatedControls();

    QWidget* Surface() const { return surface_; }
    QLineEdit* UserNameBox() const { return userName_; }
    QLineEdit* PasswordBox() const { return password_; }
    SlfLabel* MessageCountLabel() const { return messageCount_; }
    SlfLabel* AwayMessageLabel() const { return awayMessage_; }
    AnalogClock* Clock() const { return clock_; }

signals:
    void okClicked();
    void changePasswordClicked();
    void leaveMessageClicked();
    void messageCountClicked();
    void messageCountDoubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename Widget>
    Widget* MakeFixed(const char* name, int layer);
    template <typename Widget>
    Widget* MakeCreated(int layer);
    QWidget* Fixed(SlfControlKind kind) const;
    void ApplyLabel(SlfLabel* label, const SlfControl& control);
    std::optional<std::string> AddPicture(const SlfControl& control);
    void Restack();

    QWidget* surface_;
    QLineEdit* userName_;
    QLineEdit* password_;
    SlfLabel* messageCount_;
    SlfLabel* awayMessage_;
    AnalogClock* clock_;
};

}  // namespace ostrel
