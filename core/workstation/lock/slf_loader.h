#pragma once

#include <optional>
#include <string>

#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "workstation/lock/slf_layout.h"
#include "workstation/lock/slf_plugins.h"

namespace ostrel {

// The surface a layout is built on: the lock screen's layout panel.
class SlfSurface {
public:
    virtual ~SlfSurface() = default;
    // Hides every control on the surface, those of earlier loads included, and stops the analog
    // clock.
    virtual void HideAll() = 0;
    // Restyles the fixed control the description names, or creates a new control. Gives the
    // reason when the control cannot be built (a picture that cannot be loaded).
    virtual std::optional<std::string> Apply(const SlfControl& control) = 0;
};

// What a layout load needs besides the surface.
struct SlfLoadServices {
    const FileSystem& fileSystem;
    Dialogs& dialogs;
    PluginHost& plugins;
};

// Builds the surface from the layout file: stops the plug-ins of the previous layout, hides
// every control, then applies the sections in file order and starts the plug-ins they name.
// A plug-in that cannot be started is reported and shown as a red box in its rectangle. The
// first colour, font or picture that cannot be read ends the load at that control: what was
// built stays, the reason is shown in a message box, and the call returns normally. A file
// that cannot be read is reported the same way and leaves the surface empty.
void LoadSLFLayout(const std::string& path, const SlfContext& context, SlfSurface& surface,
                   const SlfLoadServices& services);

}  // namespace ostrel
