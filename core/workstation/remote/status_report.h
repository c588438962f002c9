#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ostrel {

inline constexpr std::string_view kMacNotFound = "mac not found";

// What the status report tells; the texts go out as they are.
struct StatusFacts {
    std::string computerName;
    std::string internalIp;
    std::string mac;
    std::string group;
    std::string status;
    std::uint64_t idleSeconds = 0;
    std::uint64_t uptimeSeconds = 0;
    std::string currentUser;
    std::string version;
    std::string masterIp;
    std::string layoutFile;
    bool remoteSession = false;
    std::uint64_t lockSeconds = 0;
};

// Fourteen "<tag>value</tag>" elements joined by single CR characters, computername first and
// locktime last.
std::string StatusReport(const StatusFacts& facts);

// "Unlocking" while a lock session shuts down, else "Locked" while a lock screen is up, else
// "Unlocked".
std::string StatusWord(bool unlocking, bool lockScreenUp);

// A network adapter as the system lists it.
struct NetworkAdapter {
    std::string name;
    int index = 0;
    bool loopback = false;
    // "aa:bb:cc:dd:ee:ff"
    std::string address;
};

// The hardware address of the adapter with the lowest index that is not a loopback and has a
// six-byte address other than all zeros, as upper-case pairs joined by "-"; "mac not found" when
// there is none.
std::string MacAddressText(const std::vector<NetworkAdapter>& adapters);

}  // namespace ostrel
