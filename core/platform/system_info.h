#pragma once

#include <string>

namespace ostrel {

// Facts about this computer, this user and this program's folders.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;

    // The computer's host name; empty when it cannot be had.
    virtual std::string HostName() const = 0;
    // Dotted address of the last of the first eleven addresses the host name resolves to;
    // empty when it does not resolve.
    virtual std::string ComputerAddress() const = 0;
    virtual std::string UserName() const = 0;
    // Workgroup or domain; "(n/a)" when there is none.
    virtual std::string Workgroup() const = 0;
    // Root, or a member of the sudo, wheel or admin group.
    virtual bool IsAdmin() const = 0;

    // Folders end with "/". Program folder: $OSTREL_HOME, else the executable's folder.
    virtual std::string ProgramFolder() const = 0;
    // $XDG_DATA_HOME/Ostrel 3.0/ (default ~/.local/share/Ostrel 3.0/).
    virtual std::string DataFolder() const = 0;
    // $XDG_CONFIG_HOME/ (default ~/.config/).
    virtual std::string ConfigFolder() const = 0;
};

}  // namespace ostrel
