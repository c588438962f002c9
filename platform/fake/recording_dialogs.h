#pragma once

#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace ostrel {

// Remembers every message instead of showing it.
class RecordingDialogs : public Dialogs {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

}  // namespace ostrel
