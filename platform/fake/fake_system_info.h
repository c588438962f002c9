#pragma once

#include <string>

#include "platform/system_info.h"

namespace ostrel {

// Facts a test chooses; every field is public.
class FakeSystemInfo : public SystemInfo {
public:
    std::string hostName = "testhost";
    std::string computerAddress = "192.168.1.10";
    std::string userName = "tester";
    std::string workgroup = "(n/a)";
    bool isAdmin = false;
    std::string programFolder = "/opt/ostrel/";
    std::string dataFolder = "/home/tester/.local/share/Ostrel 3.0/";
    std::string configFolder = "/home/tester/.config/";

    std::string HostName() const override { return hostName; }
    std::string ComputerAddress() const override { return computerAddress; }
    std::string UserName() const override { return userName; }
    std::string Workgroup() const override { return workgroup; }
    bool IsAdmin() const override { return isAdmin; }
    std::string ProgramFolder() const override { return programFolder; }
    std::string DataFolder() const override { return dataFolder; }
    std::string ConfigFolder() const override { return configFolder; }
};

}  // namespace ostrel
