#pragma once

#include <string>

namespace ostrel {

// Message boxes and other modal questions to the local user, answered by tests in place of a person.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal information box with the application's title and an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace ostrel
