#include "common/settings_store.h"

#include <algorithm>

#include "common/settings_keys.h"
#include "common/shortcut_text.h"
#include "common/text_helpers.h"

namespace ostrel {

namespace {

constexpr const char* kDeployment = "Deployment";
constexpr const char* kImportIni = "importINI";

// Reads one key from a store into the field, with the field's current value as the default.
void ReadKey(const IniFile& store, const std::string& section, const SettingKey& key,
             TOstrelSettings& settings) {
    struct Visitor {
        const IniFile& store;
        const std::string& section;
        const SettingKey& key;
        TOstrelSettings& settings;
        void operator()(std::string TOstrelSettings::*member) const {
            settings.*member = key.multiLine ? store.ReadMultiLine(section, key.key, settings.*member)
                                             : store.ReadString(section, key.key, settings.*member);
        }
        void operator()(int TOstrelSettings::*member) const {
            settings.*member = store.ReadInteger(section, key.key, settings.*member);
        }
        void operator()(bool TOstrelSettings::*member) const {
            settings.*member = store.ReadBool(section, key.key, settings.*member);
        }
    };
    std::visit(Visitor{store, section, key, settings}, key.field);
}

bool IsAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

}  // namespace

std::string RegistryStorePath(const std::string& configFolder) {
    return configFolder + "ostrel/registry.ini";
}

bool PrepareRegistryStoreFolder(FileSystem& fileSystem, const std::string& configFolder) {
    return fileSystem.CreateDirectory(configFolder) &&
           fileSystem.CreateDirectory(configFolder + "ostrel");
}

OstrelSettingsStore::OstrelSettingsStore(FileSystem& fileSystem, EventLog& log, Dialogs& dialogs,
                                         SettingsContext context, const std::string& configFolder)
    : fileSystem_(fileSystem),
      log_(log),
      dialogs_(dialogs),
      context_(std::move(context)),
      registry_(fileSystem, RegistryStorePath(configFolder)),
      settings_(std::make_shared<const TOstrelSettings>(RegistryDefaults(context_))) {}

void OstrelSettingsStore::Start() {
    SetUsingIniSettings(fileSystem_.FileExists(SettingsIniPath()));
    if (UsingIniSettings()) {
        LoadINI();
    } else {
        Load();
    }
    if (UsingIniSettings() && Get()->importINI) {
        Modify([](TOstrelSettings& s) { s.importINI = false; });
        if (!fileSystem_.DeleteFile(SettingsIniPath())) dialogs_.ShowMessage("cant delete settings.ini");
        Save();
        SetUsingIniSettings(false);
    }
}

void OstrelSettingsStore::Load() {
    log_.DebugLog("OstrelSettings.Load");
    registry_.Reload();
    TOstrelSettings settings = RegistryDefaults(context_);
    for (const SettingKey& key : SettingKeys()) {
        ReadKey(registry_, kRegistryRoot + std::string(key.section), key, settings);
    }
    if (settings.defaultSaver.empty()) settings.defaultSaver = DefaultScreenSaver(context_);
    Set(std::move(settings));
    log_.ConsoleLog("Settings Loaded.");
}

void OstrelSettingsStore::LoadINI() {
    log_.DebugLog("OstrelSettings.LoadINI");
    const IniFile file(fileSystem_, SettingsIniPath());
    TOstrelSettings settings = IniDefaults(context_);
    settings.importINI = file.ReadBool(kDeployment, kImportIni, false);
    for (const SettingKey& key : SettingKeys()) {
        if (key.iniUse == IniUse::kReadWrite) ReadKey(file, key.section, key, settings);
    }
    // The file holds the layout relative to the program folder, possibly with Windows separators.
    std::replace(settings.LayoutFile.begin(), settings.LayoutFile.end(), '\\', '/');
    if (!IsAbsolute(settings.LayoutFile)) {
        settings.LayoutFile = context_.programFolder + settings.LayoutFile;
    }
    if (settings.defaultSaver.empty()) settings.defaultSaver = DefaultScreenSaver(context_);
    Set(std::move(settings));
    log_.ConsoleLog("Settings Loaded (INI)");
}

TOstrelSettings OstrelSettingsStore::PrepareForSave() {
    std::function<std::string()> source;
    {
        std::lock_guard lock(mutex_);
        source = awayPresetsSource_;
    }
    const std::optional<std::string> presets =
        source ? std::optional<std::string>(source()) : std::nullopt;
    Modify([&](TOstrelSettings& s) {
        const ShortCut shortCut = ParseShortCut(s.sHotKey);
        s.sHKid = shortCut.virtualKey;
        s.sHKvirt = shortCut.virtualKey;
        s.sHKmod = shortCut.HotKeyModifiers();
        if (presets) s.awayMessages = *presets;
    });
    return *Get();
}

bool OstrelSettingsStore::Save() {
    log_.DebugLog("OstrelSettings.Save");
    const TOstrelSettings settings = PrepareForSave();
    bool skipPresets = false;
    {
        std::lock_guard lock(mutex_);
        skipPresets = shutdownInProgress_;
    }
    const bool saved = registry_.Update([&](IniDocument& store) {
        for (const SettingKey& key : SettingKeys()) {
            if (key.field == SettingField(&TOstrelSettings::WeatherMap)) continue;
            if (skipPresets && key.field == SettingField(&TOstrelSettings::awayMessages)) continue;
            store.SetValue(kRegistryRoot + std::string(key.section), key.key,
                           StoredText(settings, key.field));
            if (key.field == SettingField(&TOstrelSettings::State)) {
                log_.DebugLog("OstrelSettings.Save (1)");
            } else if (key.field == SettingField(&TOstrelSettings::sHKvirt)) {
                log_.DebugLog("OstrelSettings.Save (2)");
            }
        }
    });
    log_.DebugLog("OstrelSettings.Save (4)");
    log_.DebugLog("OstrelSettings.Save (5)");
    log_.DebugLog(saved ? "settings saved" : "settings not saved: " + registry_.Path());
    return saved;
}

bool OstrelSettingsStore::SaveINI() {
    log_.DebugLog("OstrelSettings.SaveINI");
    TOstrelSettings settings = PrepareForSave();
    // Inside the program folder the layout is written relative to it.
    settings.LayoutFile = ReplaceAll(settings.LayoutFile, context_.programFolder, "");
    IniFile file(fileSystem_, SettingsIniPath());
    const bool saved = file.Update([&](IniDocument& store) {
        store.SetValue(kDeployment, kImportIni, settings.importINI ? "1" : "0");
        store.SetValue("Security", "MasterIP", settings.MasterIP);
        for (const SettingKey& key : SettingKeys()) {
            switch (key.iniUse) {
                case IniUse::kReadWrite:
                    store.SetValue(key.section, key.key, StoredText(settings, key.field));
                    break;
                case IniUse::kWriteEmpty:
                    store.SetValue(key.section, key.key, StoredText(TOstrelSettings{}, key.field));
                    break;
                case IniUse::kNotRead:
                    break;
            }
        }
    });
    log_.DebugLog(saved ? "Settings Saved." : "Settings not saved: " + file.Path());
    return saved;
}

bool OstrelSettingsStore::SaveLive() { return UsingIniSettings() ? SaveINI() : Save(); }

bool OstrelSettingsStore::WriteAppLocation(const std::string& executablePath) {
    Modify([&](TOstrelSettings& s) { s.sAppLocation = executablePath; });
    return registry_.WriteString(kRegistryRoot + std::string("General"), "sAppLocation",
                                 executablePath);
}

bool OstrelSettingsStore::UsingIniSettings() const {
    std::lock_guard lock(mutex_);
    return usingIniSettings_;
}

void OstrelSettingsStore::SetUsingIniSettings(bool usingIni) {
    std::lock_guard lock(mutex_);
    usingIniSettings_ = usingIni;
}

std::shared_ptr<const TOstrelSettings> OstrelSettingsStore::Get() const {
    std::lock_guard lock(mutex_);
    return settings_;
}

void OstrelSettingsStore::Set(TOstrelSettings settings) {
    auto next = std::make_shared<const TOstrelSettings>(std::move(settings));
    std::lock_guard lock(mutex_);
    settings_ = std::move(next);
}

void OstrelSettingsStore::Modify(const std::function<void(TOstrelSettings&)>& change) {
    std::lock_guard lock(mutex_);
    auto next = std::make_shared<TOstrelSettings>(*settings_);
    change(*next);
    settings_ = std::move(next);
}

void OstrelSettingsStore::SetAwayPresetsSource(std::function<std::string()> source) {
    std::lock_guard lock(mutex_);
    awayPresetsSource_ = std::move(source);
}

void OstrelSettingsStore::SetShutdownInProgress(bool inProgress) {
    std::lock_guard lock(mutex_);
    shutdownInProgress_ = inProgress;
}

bool OstrelSettingsStore::ShutdownInProgress() const {
    std::lock_guard lock(mutex_);
    return shutdownInProgress_;
}

}  // namespace ostrel
