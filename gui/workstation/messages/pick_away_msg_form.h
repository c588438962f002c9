#pragma once

#include <QDialog>
#include <QTimer>
#include <optional>
#include <string>

#include "workstation/messages/away_countdown.h"
#include "workstation/messages/away_presets.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ostrel {

// "Away Message": the away message typed, taken from a preset, or the default one. With the
// countdown running it chooses the default message by itself after the given seconds, unless
// the user touches the presets or the text first.
class TfrmPickAwayMsg : public QDialog {
    Q_OBJECT

public:
    struct Setup {
        std::string awayMessage;
        std::string defaultAwayMessage;
        int secsBeforeDefaultMsg = 10;
        bool countdown = false;
    };
    TfrmPickAwayMsg(const AwayPresets& presets, const Setup& setup, QWidget* parent = nullptr);

    // The away message chosen once the picker has closed: the text for "&OK", the default
    // message for "Use My Default &Message", Esc and the end of the countdown.
    const std::string& Chosen() const { return chosen_; }
    bool CountdownRunning() const { return timer_.isActive(); }

    QComboBox* cboPreset;
    QPlainTextEdit* memAwayMessage;
    QPushButton* btnOK;
    QPushButton* btnDefaultMsg;
    QLabel* status;

    // "Use My Default &Message", Esc, the close button and the end of the countdown.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CountdownTick();
    void StopCountdown();
    void cboPresetChange(int index);
    void btnOKClick();

    const AwayPresets& presets_;
    const std::string defaultAwayMessage_;
    AwayCountdown countdown_;
    QTimer timer_;
    std::string chosen_;
    bool pointerPlaced_ = false;
};

}  // namespace ostrel
