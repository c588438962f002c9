#include "workstation/remote/remote_address.h"

#include "common/text_helpers.h"

namespace ostrel {

bool AddressPatternMatch(std::string_view address, std::string_view pattern) {
    const std::vector<std::string> pieces = SplitText(LowerCaseAscii(address), ".");
    const std::vector<std::string> patternPieces = SplitText(LowerCaseAscii(pattern), ".");
    if (pieces.size() != patternPieces.size()) return false;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i] != patternPieces[i] && patternPieces[i] != "*") return false;
    }
    return true;
}

bool RemoteAddressAllowed(std::string_view address, const TOstrelSettings& settings) {
    if (address == settings.MasterIP || address == "127.0.0.1") return true;
    if (!settings.allowRemoteUnlocking) return false;
    for (const std::string& line : TextLines(settings.AllowedRemoteIPs)) {
        if (AddressPatternMatch(address, line)) return true;
    }
    return false;
}

}  // namespace ostrel
