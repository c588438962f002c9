#pragma once

#include "platform/system_info.h"

namespace ostrel {

// Facts from the C library, the environment and /proc. The workgroup is read from
// /etc/samba/smb.conf directly (no testparm run), else taken from the DNS domain.
class LinuxSystemInfo : public SystemInfo {
public:
    std::string HostName() const override;
    std::string ComputerAddress() const override;
    std::string UserName() const override;
    std::string Workgroup() const override;
    bool IsAdmin() const override;
    std::string ProgramFolder() const override;
    std::string DataFolder() const override;
    std::string ConfigFolder() const override;
};

}  // namespace ostrel
