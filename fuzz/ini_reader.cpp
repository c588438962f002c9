// Reads arbitrary bytes as a profile file; checks that writing is stable and values round-trip.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/ini_document.h"

using ostrel::IniDocument;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    IniDocument document = IniDocument::Parse(text);
    for (const std::string& section : document.Sections()) {
        for (const std::string& key : document.Keys(section)) {
            if (document.Value(section, key)->size() > IniDocument::kMaxValueLength) std::abort();
            (void)document.MultiLineValue(section, key);
        }
    }
    const std::string written = document.Serialize();
    if (IniDocument::Parse(written).Serialize() != written) std::abort();

    // The input's tail as a value: a single-line value must read back unchanged.
    std::string value = text.substr(text.size() / 2);
    if (value.find_first_of("\r\n") == std::string::npos && value.size() <= IniDocument::kMaxValueLength) {
        document.SetValue("Fuzz", "value", value);
        if (IniDocument::Parse(document.Serialize()).Value("Fuzz", "value") != value) std::abort();
    }
    return 0;
}
