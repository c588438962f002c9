#pragma once

#include <optional>
#include <string>

namespace ostrel {

// The desktop's removable-media handling (GNOME's org.gnome.desktop.media-handling, read and
// written with `gsettings`): whether inserted media are opened in the file manager
// (automount-open) and whether programs on them may start (autorun-never).
class MediaAutorunSetting {
public:
    // Nothing where the desktop keeps no such setting (no gsettings, no schema).
    std::optional<bool> AutomountOpen() const { return Get("automount-open"); }
    std::optional<bool> AutorunNever() const { return Get("autorun-never"); }
    bool SetAutomountOpen(bool on) { return Set("automount-open", on); }
    bool SetAutorunNever(bool on) { return Set("autorun-never", on); }

private:
    std::optional<bool> Get(const char* key) const;
    bool Set(const char* key, bool value);
};

// The Windows NoDriveTypeAutoRun mask as the lock keeps it, from automount-open and back: the
// removable-drive bit (4) set means no auto-open.
int GlobalAutoRunFromAutomountOpen(bool automountOpen);
bool AutomountOpenFromGlobalAutoRun(int noDriveTypeAutoRun);

}  // namespace ostrel
