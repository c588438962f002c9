#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <mutex>
#include <string>

#include "common/event_log.h"
#include "common/ini_file.h"
#include "common/ostrel_settings.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"

namespace ostrel {

// The per-user key/value store that stands in for the registry: one INI file whose sections are
// named by registry key paths. Both programs use it.
std::string RegistryStorePath(const std::string& configFolder);
// Creates the folders the registry store needs (the config folder may be missing on a new account).
bool PrepareRegistryStoreFolder(FileSystem& fileSystem, const std::string& configFolder);
inline constexpr const char* kRegistryRoot = "Ostrel 3.0\\";

// The agent's settings and their two stores: the registry store and settings.ini in the program
// folder. The settings are held as an immutable snapshot swapped under a lock, so any thread may
// read them while the GUI thread loads, changes and saves them.
class OstrelSettingsStore {
public:
    OstrelSettingsStore(FileSystem& fileSystem, EventLog& log, Dialogs& dialogs,
                        SettingsContext context, const std::string& configFolder);

    // Chooses the live store, loads from it, and imports settings.ini when it asks for that.
    void Start();
    void Load();
    void LoadINI();
    bool Save();
    bool SaveINI();
    // Saves to the live store: settings.ini when it is live, the registry store otherwise.
    bool SaveLive();
    // Records the program's location for the console (never read back by the agent).
    bool WriteAppLocation(const std::string& executablePath);

    bool UsingIniSettings() const;
    void SetUsingIniSettings(bool usingIni);
    std::string SettingsIniPath() const { return context_.programFolder + "settings.ini"; }

    std::shared_ptr<const TOstrelSettings> Get() const;
    void Set(TOstrelSettings settings);
    // Changes a copy and publishes it; the change must not call back into the store.
    void Modify(const std::function<void(TOstrelSettings&)>& change);

    // The stored form of the live away-message presets; while no source is set, saves write the
    // awayMessages field as it stands.
    void SetAwayPresetsSource(std::function<std::string()> source);
    // While a lock session shuts down, Save leaves awayMessages as stored.
    void SetShutdownInProgress(bool inProgress);
    bool ShutdownInProgress() const;

private:
    // Derives the hot-key codes and the presets' stored form into the live settings.
    TOstrelSettings PrepareForSave();

    FileSystem& fileSystem_;
    EventLog& log_;
    Dialogs& dialogs_;
    const SettingsContext context_;
    IniFile registry_;

    mutable std::mutex mutex_;
    std::shared_ptr<const TOstrelSettings> settings_;
    bool usingIniSettings_ = false;
    bool shutdownInProgress_ = false;
    std::function<std::string()> awayPresetsSource_;
};

}  // namespace ostrel
