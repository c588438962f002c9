// Reads arbitrary bytes as a layout, a font text and a colour text; what is written back must
// read back the same.
#include "workstation/lock/slf_layout.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/colour_text.h"
#include "common/font_text.h"

namespace {

// No file exists: pictures resolve to the layout folder.
class NoFiles : public ostrel::FileSystem {
public:
    std::optional<std::string> ReadFile(const std::string&) const override { return {}; }
    bool WriteFileAtomic(const std::string&, const std::string&) override { return false; }
    bool AppendToFile(const std::string&, const std::string&) override { return false; }
    bool CreateFile(const std::string&, const std::string&) override { return false; }
    bool CreateNewFile(const std::string&, const std::string&) override { return false; }
    bool FileExists(const std::string&) const override { return false; }
    bool DirectoryExists(const std::string&) const override { return false; }
    bool CreateDirectory(const std::string&) override { return false; }
    bool DeleteFile(const std::string&) override { return false; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const NoFiles files;
    const ostrel::SlfLayout layout = ostrel::ParseSlfLayout(text, {"/prog/", "away"}, files);
    for (const ostrel::SlfControl& control : layout.controls) {
        if (ostrel::SlfSectionKinds(control.section).empty()) std::abort();
    }
    if (const auto colour = ostrel::ParseColourText(text)) {
        if (ostrel::ParseColourText(ostrel::ColourText(*colour)) != colour) std::abort();
    }
    if (const auto font = ostrel::ParseFontText(text)) {
        if (ostrel::ParseFontText(ostrel::FontText(*font)) != font) std::abort();
    }
    return 0;
}
