#pragma once

#include "platform/dialogs.h"

namespace ostrel {

// Dialogs shown with Qt's message boxes.
class QtDialogs : public Dialogs {
public:
    void ShowMessage(const std::string& text) override;
};

}  // namespace ostrel
