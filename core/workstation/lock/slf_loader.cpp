#include "workstation/lock/slf_loader.h"

namespace ostrel {

namespace {

// Errors of a layout come up while the lock screen covers everything.
void ShowError(Dialogs& dialogs, const std::string& text) {
    dialogs.ShowMessageBox({text, "", MessageIcon::kError, MessageButtons::kOk, true});
}

// Starts the plug-in of the section; when it cannot run, the failure is reported and a red box
// takes its place.
void StartPlugin(const SlfControl& plugin, const SlfContext& context, SlfSurface& surface,
                 const SlfLoadServices& services) {
    const std::string program = PluginProgramPath(context.programFolder, plugin.fileName);
    const int width = plugin.width.value_or(0);
    const int height = plugin.height.value_or(0);
    const int result = services.plugins.Start(
        program, PluginStartParameters(plugin.left, plugin.top, width, height));
    if (result == kLaunchStarted) return;
    ShowError(services.dialogs, "The plug-in could not be started: " + program);
    SlfControl errorBox = plugin;
    errorBox.kind = SlfControlKind::kGroupBox;
    errorBox.backColour = kClRed;
    errorBox.caption = PluginErrorCaption(result);
    surface.Apply(errorBox);
}

}  // namespace

void LoadSLFLayout(const std::string& path, const SlfContext& context, SlfSurface& surface,
                   const SlfLoadServices& services) {
    services.plugins.UnloadPlugins();
    surface.HideAll();
    const auto text = services.fileSystem.ReadFile(path);
    if (!text) {
        ShowError(services.dialogs, "The layout " + path + " cannot be read.");
        return;
    }
    const SlfLayout layout = ParseSlfLayout(*text, context, services.fileSystem);
    for (const SlfControl& control : layout.controls) {
        if (control.kind == SlfControlKind::kPlugin) {
            StartPlugin(control, context, surface, services);
            continue;
        }
        if (const auto error = surface.Apply(control)) {
            ShowError(services.dialogs, "Error in layout " + path + ": " +
                                            SlfKeyError(control.section, "filename", *error));
            return;
        }
    }
    if (layout.error) ShowError(services.dialogs, "Error in layout " + path + ": " + *layout.error);
}

}  // namespace ostrel
