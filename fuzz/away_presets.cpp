// Reads arbitrary bytes as the stored away-message presets: storing the loaded list and loading
// that again changes nothing, and every entry's name and text join back into the entry.
#include "workstation/messages/away_presets.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ostrel::AwayPresets presets;
    presets.Load(text);
    const std::string stored = presets.StoredForm();
    ostrel::AwayPresets again;
    again.Load(stored);
    if (again.StoredForm() != stored || again.Names() != presets.Names()) std::abort();
    for (const std::string& name : presets.Names()) {
        if (name.find_first_of("=\r\n") != std::string::npos) std::abort();
        if (!presets.TextOf(name)) std::abort();
    }
    return 0;
}
