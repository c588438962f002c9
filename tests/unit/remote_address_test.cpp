#include "workstation/remote/remote_address.h"

#include <gtest/gtest.h>

namespace ostrel {
namespace {

TEST(RemoteAddressTest, PatternMatchesWholePiecesOnly) {
    struct Case {
        std::string address;
        std::string pattern;
        bool matches;
    };
    const Case cases[] = {
        {"192.168.1.7", "192.168.1.*", true},
        {"192.168.10.5", "192.168.1.*", false},
        {"192.168.0.221", "192.168.0.22*", false},
        {"192.168.0.22*", "192.168.0.22*", true},
        {"10.1.2.3", "*.*.*.*", true},
        {"10.1.2", "*.*.*.*", false},
        {"192.168.1.7", "192.168.1.* ", false},
        {"192.168.1.7", "", false},
        {"10..1", "10..1", true},
        {"Host.Example", "host.*", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AddressPatternMatch(c.address, c.pattern), c.matches)
            << c.address << " ~ " << c.pattern;
    }
}

TEST(RemoteAddressTest, MasterAndLoopbackAlwaysPatternsOnlyWhenAllowed) {
    struct Case {
        std::string address;
        bool allowRemote;
        bool allowed;
    };
    const Case cases[] = {
        {"127.0.0.1", false, true},  {"10.0.0.9", false, true},   {"192.168.1.4", false, false},
        {"192.168.1.4", true, true}, {"192.168.2.4", true, true}, {"192.168.3.4", true, false},
        {"127.0.0.2", true, false},
    };
    TOstrelSettings settings;
    settings.MasterIP = "10.0.0.9";
    settings.AllowedRemoteIPs = "192.168.1.*\r\n192.168.0.22*\r192.168.2.*\n";
    for (const Case& c : cases) {
        settings.allowRemoteUnlocking = c.allowRemote;
        EXPECT_EQ(RemoteAddressAllowed(c.address, settings), c.allowed) << c.address;
    }
}

}  // namespace
}  // namespace ostrel
