#include "workstation/agent_environment.h"

namespace ostrel {

namespace {

// Where the default screen saver lives.
constexpr const char* kSystemFolder = "/usr/libexec/xscreensaver";

std::string ParentFolder(const std::string& folder) {
    const std::string trimmed = folder.substr(0, folder.size() - 1);
    return trimmed.substr(0, trimmed.rfind('/') + 1);
}

}  // namespace

AgentEnvironment::AgentEnvironment()
    : log_(files_, clock_, system_.DataFolder(), system_.ProgramFolder()) {}

void AgentEnvironment::CreateFolders() {
    const std::string data = system_.DataFolder();
    files_.CreateDirectory(ParentFolder(ParentFolder(data)));  // ~/.local when missing
    files_.CreateDirectory(ParentFolder(data));
    files_.CreateDirectory(data);
    files_.CreateDirectory(log_.LogFolder());
    PrepareRegistryStoreFolder(files_, system_.ConfigFolder());
}

void AgentEnvironment::LoadSettings() {
    const SettingsContext context{system_.ProgramFolder(), kSystemFolder,
                                  system_.ComputerAddress()};
    settings_ = std::make_unique<OstrelSettingsStore>(files_, log_, dialogs_, context,
                                                      system_.ConfigFolder());
    settings_->Start();
    // Loaded here, not only when a lock form applies the settings: a save before the first lock
    // would otherwise write an empty list.
    awayPresets_.Load(settings_->Get()->awayMessages);
    settings_->SetAwayPresetsSource([this] { return awayPresets_.StoredForm(); });
    log_.SetDoLog(settings_->Get()->DoLog);
    users_ = std::make_unique<UserList>(files_, system_.ProgramFolder() + "userlist.dat");
}

}  // namespace ostrel
