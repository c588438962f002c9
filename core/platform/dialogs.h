#pragma once

#include <string>

namespace ostrel {

enum class MessageIcon { kNone, kInformation, kWarning, kError };
enum class MessageButtons { kOk, kOkCancel };
enum class MessageReply { kOk, kCancel };

// One modal message box. An empty caption shows the application's title.
struct MessageBoxRequest {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::kNone;
    MessageButtons buttons = MessageButtons::kOk;
    // Above every other window, the lock screen included.
    bool topmost = false;

    friend bool operator==(const MessageBoxRequest&, const MessageBoxRequest&) = default;
};

// Message boxes and other modal questions to the local user, answered by tests in place of a
// person.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal information box with the application's title and an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // Shows the box and returns the button pressed; closing the box otherwise counts as Cancel
    // when it has one.
    virtual MessageReply ShowMessageBox(const MessageBoxRequest& request) = 0;
};

}  // namespace ostrel
