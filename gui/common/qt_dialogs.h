#pragma once

#include "platform/dialogs.h"

namespace ostrel {

// Dialogs shown with Qt's message boxes, modal over the window that is active at the time.
class QtDialogs : public Dialogs {
public:
    void ShowMessage(const std::string& text) override;
    MessageReply ShowMessageBox(const MessageBoxRequest& request) override;
};

}  // namespace ostrel
