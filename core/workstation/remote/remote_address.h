#pragma once

#include <string_view>

#include "common/ostrel_settings.h"

namespace ostrel {

// The address matches the pattern piece by piece between dots, letters without regard to case;
// a piece of the pattern that is exactly "*" matches any one piece. Nothing is trimmed.
bool AddressPatternMatch(std::string_view address, std::string_view pattern);

// The master address and 127.0.0.1 always; other addresses only while remote unlocking is
// allowed and a line of AllowedRemoteIPs matches.
bool RemoteAddressAllowed(std::string_view address, const TOstrelSettings& settings);

}  // namespace ostrel
