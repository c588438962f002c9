#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/event_log.h"
#include "platform/process_launcher.h"

namespace ostrel {

inline constexpr std::string_view kStartPluginWord = "OSTREL_START_PLUGIN";
inline constexpr std::string_view kStopPluginWord = "OSTREL_STOP_PLUGIN";

// Where a plug-in program of this name lives: the folder "Plugins" of the program folder.
std::string PluginProgramPath(std::string_view programFolder, std::string_view name);

// "OSTREL_START_PLUGIN 10 20 300 40": the parameters that start a plug-in in a rectangle.
std::string PluginStartParameters(int left, int top, int width, int height);

// "Plugin Error #2": the caption of the box shown where a plug-in could not be started.
std::string PluginErrorCaption(int launchError);

// The plug-in programs the current layout started, and their start and stop calls.
class PluginHost {
public:
    PluginHost(ProcessLauncher& launcher, EventLog& log);

    // Starts the program with the parameter text, cut at blanks into arguments. On success its
    // path joins the loaded list. Gives the launcher's result.
    int Start(const std::string& programPath, std::string_view parameters);
    // Calls every loaded program with OSTREL_STOP_PLUGIN, then empties the list.
    void UnloadPlugins();

    // Full paths as started, in the order they were started. They keep their letter case: the
    // stop call must reach the same file on a file system that tells cases apart.
    const std::vector<std::string>& Loaded() const { return loaded_; }
    // Whether this path was started, letter case ignored.
    bool IsLoaded(std::string_view programPath) const;
    // The loaded paths lower-cased, each followed by CR LF.
    std::string LoadedText() const;

private:
    ProcessLauncher& launcher_;
    EventLog& log_;
    std::vector<std::string> loaded_;
};

}  // namespace ostrel
