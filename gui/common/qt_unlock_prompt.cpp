#include "common/qt_unlock_prompt.h"

#include "common/unlock_form.h"
#include "common/user_unlock_form.h"

namespace ostrel {

int QtUnlockPrompt::AskMasterPassword(const std::string& action) {
    TfrmUnlock dialog(checks_);
    dialog.SetAction(action);
    return dialog.exec();
}

AccountAnswer QtUnlockPrompt::AskAccount(const std::string& action) {
    TfrmUserUnlock dialog(checks_);
    dialog.SetAction(action);
    const int result = dialog.exec();
    return {result, dialog.Level()};
}

}  // namespace ostrel
