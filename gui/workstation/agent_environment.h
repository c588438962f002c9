#pragma once

#include <memory>
#include <string>

#include "common/event_log.h"
#include "common/qt_dialogs.h"
#include "common/settings_store.h"
#include "common/user_list.h"
#include "linux/linux_clock.h"
#include "linux/linux_file_system.h"
#include "linux/linux_system_info.h"
#include "workstation/messages/away_presets.h"
#include "workstation/messages/pending_remote_message.h"
#include "workstation/remote/last_remote_user.h"

namespace ostrel {

// What the agent holds for the life of the process: the Linux platform, the daily log, the
// settings and the user list, in the order they come to life.
class AgentEnvironment {
public:
    AgentEnvironment();

    // Creates the data folder and its Logs folder and the registry store's folder.
    void CreateFolders();
    // Loads the settings from the live store and applies the log switches they govern. The
    // user list opens afterwards, as it may live in the program folder the settings name.
    void LoadSettings();

    LinuxFileSystem& Files() { return files_; }
    const LinuxClock& Time() const { return clock_; }
    Dialogs& UserDialogs() { return dialogs_; }
    const LinuxSystemInfo& System() const { return system_; }
    EventLog& Log() { return log_; }
    OstrelSettingsStore& Settings() { return *settings_; }
    UserList& Users() { return *users_; }
    // The remote message waiting for the lock form; the network thread writes it.
    PendingRemoteMessage& PendingMessage() { return pendingRemoteMessage_; }
    // The live away-message presets; the settings store saves their stored form.
    AwayPresets& Presets() { return awayPresets_; }
    LastRemoteUser& RemoteUser() { return remoteUser_; }

private:
    LinuxFileSystem files_;
    LinuxClock clock_;
    LinuxSystemInfo system_;
    QtDialogs dialogs_;
    EventLog log_;
    std::unique_ptr<OstrelSettingsStore> settings_;
    std::unique_ptr<UserList> users_;
    PendingRemoteMessage pendingRemoteMessage_;
    AwayPresets awayPresets_;
    LastRemoteUser remoteUser_;
};

}  // namespace ostrel
