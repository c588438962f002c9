#include "workstation/process/startup_entries.h"

#include <algorithm>

namespace ostrel {

namespace {

constexpr const char* kStartHelper = "OStart";

bool IsPlainArgument(const std::string& argument) {
    return !argument.empty() && std::all_of(argument.begin(), argument.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '/' || c == '.' || c == '_' || c == '-' || c == '+';
    });
}

bool HasControlCharacter(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

// An argument as the Exec key wants it: quoted unless plain, with the quoting's escapes, then
// the escapes of a string value, and "%" doubled so it is no field code.
std::string ExecArgument(const std::string& argument) {
    if (IsPlainArgument(argument)) return argument;
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    std::string value;
    for (const char c : quoted) {
        if (c == '\\') value += '\\';
        if (c == '%') value += '%';
        value += c;
    }
    return value;
}

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.rfind('/') + 1);
}

bool WriteEntry(FileSystem& fileSystem, const std::string& path, const std::string& name,
                const std::vector<std::string>& command) {
    const auto text = AutostartEntryText(name, command);
    return text && fileSystem.WriteFileAtomic(path, *text);
}

}  // namespace

std::string AutostartFolder(const std::string& configFolder) {
    return configFolder + "autostart/";
}

std::optional<std::string> AutostartEntryText(const std::string& name,
                                              const std::vector<std::string>& command) {
    if (HasControlCharacter(name) ||
        std::any_of(command.begin(), command.end(), HasControlCharacter)) {
        return std::nullopt;
    }
    std::string exec;
    for (const std::string& argument : command) {
        exec += (exec.empty() ? "" : " ") + ExecArgument(argument);
    }
    return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + exec +
           "\nNoDisplay=true\nX-GNOME-Autostart-enabled=true\n";
}

bool WriteStartupData(const StartupDataContext& context, OstrelSettingsStore& settings,
                      FileSystem& fileSystem, EventLog& log) {
    if (!settings.WriteAppLocation(context.executablePath)) return false;
    const std::string& folder = context.autostartFolder;
    for (const char* file :
         {kStartHelperEntryFile, kRunEntryFile, kLauncherEntryFile, kRunOnceEntryFile}) {
        fileSystem.DeleteFile(folder + file);
    }
    const int mode = settings.Get()->StartupMode;
    log.DebugLog("WriteStartupData: " + std::to_string(mode));
    if (mode != 1 && mode != 2) return true;
    if (!fileSystem.DirectoryExists(folder)) fileSystem.CreateDirectory(folder);
    const std::string& program = context.executablePath;
    if (mode == 1)
        return WriteEntry(fileSystem, folder + kRunEntryFile, "Ostrel", {program, "-runkey"});
    if (!context.startedWithRo &&
        !WriteEntry(fileSystem, folder + kRunOnceEntryFile, "Ostrel", {program, "-ro"})) {
        return false;
    }
    if (!WriteEntry(fileSystem, folder + kStartHelperEntryFile, "OLStart",
                    {FolderOf(program) + kStartHelper, "/r"})) {
        log.WriteLog("* could not save OLStart entry to Run key.");
    }
    return true;
}

void RemoveRunOnceEntry(FileSystem& fileSystem, const std::string& autostartFolder) {
    fileSystem.DeleteFile(autostartFolder + kRunOnceEntryFile);
}

}  // namespace ostrel
