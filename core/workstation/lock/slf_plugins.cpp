#include "workstation/lock/slf_plugins.h"

#include "common/text_helpers.h"

namespace ostrel {

namespace {

std::string FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::vector<std::string> Arguments(std::string_view parameters) {
    std::vector<std::string> arguments;
    for (const std::string& piece : SplitText(parameters, " ")) {
        if (!piece.empty()) arguments.push_back(piece);
    }
    return arguments;
}

}  // namespace

std::string PluginProgramPath(std::string_view programFolder, std::string_view name) {
    return std::string(programFolder) + "Plugins/" + std::string(name);
}

std::string PluginStartParameters(int left, int top, int width, int height) {
    return std::string(kStartPluginWord) + " " + std::to_string(left) + " " + std::to_string(top) +
           " " + std::to_string(width) + " " + std::to_string(height);
}

std::string PluginErrorCaption(int launchError) {
    return "Plugin Error #" + std::to_string(launchError);
}

PluginHost::PluginHost(ProcessLauncher& launcher, EventLog& log) : launcher_(launcher), log_(log) {}

int PluginHost::Start(const std::string& programPath, std::string_view parameters) {
    const int result = launcher_.Start(programPath, Arguments(parameters));
    if (result == kLaunchStarted) loaded_.push_back(programPath);
    return result;
}

void PluginHost::UnloadPlugins() {
    log_.DebugLog("Unload Plugins");
    for (const std::string& path : loaded_) {
        log_.DebugLog("Unloading : " + FileNameOf(path));
        launcher_.Start(path, {std::string(kStopPluginWord)});
    }
    loaded_.clear();
}

bool PluginHost::IsLoaded(std::string_view programPath) const {
    const std::string wanted = LowerCaseAscii(programPath);
    for (const std::string& path : loaded_) {
        if (LowerCaseAscii(path) == wanted) return true;
    }
    return false;
}

std::string PluginHost::LoadedText() const {
    std::string text;
    for (const std::string& path : loaded_) text += LowerCaseAscii(path) + "\r\n";
    return text;
}

}  // namespace ostrel
