#pragma once

#include "common/authorization.h"

namespace ostrel {

// Asks with the two unlock dialogs, each shown modally and freed when it closes.
class QtUnlockPrompt : public UnlockPrompt {
public:
    explicit QtUnlockPrompt(const UnlockChecks& checks) : checks_(checks) {}

    int AskMasterPassword(const std::string& action) override;
    AccountAnswer AskAccount(const std::string& action) override;

private:
    const UnlockChecks& checks_;
};

}  // namespace ostrel
