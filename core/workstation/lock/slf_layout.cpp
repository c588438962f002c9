#include "workstation/lock/slf_layout.h"

#include <algorithm>
#include <array>

#include "common/ini_document.h"
#include "common/ini_file.h"

namespace ostrel {

namespace {

using Kind = SlfControlKind;

enum class Match { kContains, kBeginsWith, kContainsExactCase };

struct SectionTest {
    Match match;
    std::string_view keyword;
    Kind kind;
};

// In the order the tests are applied to every section.
constexpr std::array<SectionTest, 21> kSectionTests = {{
    {Match::kContainsExactCase, "BackGround", Kind::kSurface},
    {Match::kContains, "EXITUSERNAMEBOX", Kind::kUserNameBox},
    {Match::kContains, "EXITPASSWORDBOX", Kind::kPasswordBox},
    {Match::kBeginsWith, "LABEL", Kind::kLabel},
    {Match::kContains, "EXITOKBUTTON", Kind::kFlatOkButton},
    {Match::kContains, "EXITOKBUTTON2", Kind::kOkButton},
    {Match::kContains, "CHANGEPASSWORDBUTTON", Kind::kFlatChangePasswordButton},
    {Match::kContains, "CHANGEPASSWORDBUTTON2", Kind::kChangePasswordButton},
    {Match::kContains, "LEAVEMESSAGEBUTTON", Kind::kFlatLeaveMessageButton},
    {Match::kContains, "LEAVEMESSAGEBUTTON2", Kind::kLeaveMessageButton},
    {Match::kContains, "MESSAGECOUNTLABEL", Kind::kMessageCountLabel},
    {Match::kContains, "AWAYMESSAGELABEL", Kind::kAwayMessageLabel},
    {Match::kContains, "ANALOGCLOCK", Kind::kAnalogClock},
    {Match::kContains, "CLOCKLABEL", Kind::kClockLabel1},
    {Match::kContains, "CLOCKLABEL2", Kind::kClockLabel2},
    {Match::kContains, "OSTRELUPTIMELABEL", Kind::kOstrelUptimeLabel},
    {Match::kContains, "SYSTEMUPTIMELABEL", Kind::kSystemUptimeLabel},
    {Match::kContains, "IMAGE", Kind::kPicture},
    {Match::kContains, "BEVEL", Kind::kBevel},
    {Match::kContains, "GROUPBOX", Kind::kGroupBox},
    {Match::kContains, "PLUGIN", Kind::kPlugin},
}};

// The keys every kind reads beyond its position, and their defaults. A size without a value is
// "keep the current size"; a flag without a value is not read for that kind.
struct KindKeys {
    Kind kind;
    std::string_view objectName;
    int left = 0;
    int top = 0;
    std::optional<int> width;
    std::optional<int> height;
    bool font = true;
    bool backColour = true;  // `backcolor`, default clBlack (the lock form's own colour)
    std::optional<std::string_view> caption;
    std::optional<bool> transparent;
    std::optional<bool> autoSize;
    std::optional<bool> wordWrap;
    std::optional<bool> flat;
    bool visible = true;  // reads `visible`

    KindKeys(Kind k, std::string_view name) : kind(k), objectName(name) {}
    KindKeys At(int l, int t) const {
        return With([&](KindKeys& k) { k.left = l, k.top = t; });
    }
    KindKeys Size(int w, int h) const {
        return With([&](KindKeys& k) { k.width = w, k.height = h; });
    }
    KindKeys Caption(std::string_view c) const {
        return With([&](KindKeys& k) { k.caption = c; });
    }
    KindKeys Transparent(bool t) const {
        return With([&](KindKeys& k) { k.transparent = t; });
    }
    KindKeys AutoSize(bool a) const {
        return With([&](KindKeys& k) { k.autoSize = a; });
    }
    KindKeys WordWrap(bool w) const {
        return With([&](KindKeys& k) { k.wordWrap = w; });
    }
    KindKeys Flat(bool f) const {
        return With([&](KindKeys& k) { k.flat = f; });
    }
    KindKeys NoFont() const {
        return With([](KindKeys& k) { k.font = false; });
    }
    KindKeys NoBackColour() const {
        return With([](KindKeys& k) { k.backColour = false; });
    }
    KindKeys NoVisible() const {
        return With([](KindKeys& k) { k.visible = false; });
    }

private:
    template <typename Change>
    KindKeys With(Change change) const {
        KindKeys copy = *this;
        change(copy);
        return copy;
    }
};

constexpr std::string_view kDefaultCaption = "defaultCaption";
constexpr std::string_view kLeaveMessageCaption = "Leave a Message";
constexpr std::string_view kClockCaption = "Hey, I'm not here right now.  Catch me later.";

KindKeys TimeLabel(Kind kind, std::string_view name) {
    return KindKeys(kind, name)
        .Size(100, 50)
        .Caption(kClockCaption)
        .Transparent(true)
        .AutoSize(true);
}

const KindKeys kKindKeys[] = {
    KindKeys(Kind::kSurface, "panMain").NoFont().NoBackColour().NoVisible(),
    KindKeys(Kind::kUserNameBox, "edtExitUsername").Size(195, 26),
    KindKeys(Kind::kPasswordBox, "edtExitPassword").Size(200, 26),
    KindKeys(Kind::kLabel, "")
        .Size(200, 26)
        .Caption(kDefaultCaption)
        .Transparent(true)
        .AutoSize(false)
        .WordWrap(false)
        .NoVisible(),
    KindKeys(Kind::kFlatOkButton, "tbExitOK")
        .Caption(kDefaultCaption)
        .Transparent(false)
        .Flat(true),
    KindKeys(Kind::kOkButton, "btnExitOK").Caption(kDefaultCaption),
    KindKeys(Kind::kFlatChangePasswordButton, "tbChangePassword")
        .Size(200, 26)
        .Caption(kDefaultCaption)
        .Transparent(false)
        .Flat(true),
    KindKeys(Kind::kChangePasswordButton, "btnChangePassword")
        .Size(200, 26)
        .Caption(kDefaultCaption),
    KindKeys(Kind::kFlatLeaveMessageButton, "tbLeaveMessage")
        .Size(135, 26)
        .Caption(kLeaveMessageCaption)
        .Transparent(false)
        .Flat(true),
    KindKeys(Kind::kLeaveMessageButton, "btnLeaveMessage")
        .Size(135, 26)
        .Caption(kLeaveMessageCaption),
    KindKeys(Kind::kMessageCountLabel, "lblMessageCount")
        .Size(200, 26)
        .Caption("0 Messages")
        .Transparent(true)
        .AutoSize(true),
    // The caption defaults to the session's away message.
    KindKeys(Kind::kAwayMessageLabel, "lblAwayMessage")
        .Size(100, 50)
        .Transparent(true)
        .AutoSize(true),
    KindKeys(Kind::kAnalogClock, "jvClock").Size(100, 50),
    TimeLabel(Kind::kClockLabel1, "lblClock1"),
    TimeLabel(Kind::kClockLabel2, "lblClock2"),
    TimeLabel(Kind::kOstrelUptimeLabel, "lblOstrelUptime"),
    TimeLabel(Kind::kSystemUptimeLabel, "lblSystemUptime"),
    KindKeys(Kind::kPicture, "")
        .Size(200, 26)
        .NoFont()
        .NoBackColour()
        .Transparent(true)
        .AutoSize(true)
        .NoVisible(),
    KindKeys(Kind::kBevel, "").Size(200, 26).NoFont().NoBackColour().NoVisible(),
    KindKeys(Kind::kGroupBox, "").At(40, 60).Size(40, 60).NoFont().Caption("GroupBox%").NoVisible(),
    KindKeys(Kind::kPlugin, "").At(40, 60).Size(40, 60).NoFont().NoBackColour().NoVisible(),
};

const KindKeys& KeysOf(Kind kind) {
    return *std::find_if(std::begin(kKindKeys), std::end(kKindKeys),
                         [kind](const KindKeys& keys) { return keys.kind == kind; });
}

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

bool Passes(const SectionTest& test, std::string_view name, std::string_view upperName) {
    switch (test.match) {
        case Match::kContainsExactCase:
            return name.find(test.keyword) != std::string_view::npos;
        case Match::kBeginsWith:
            return upperName.substr(0, test.keyword.size()) == test.keyword;
        case Match::kContains:
            return upperName.find(test.keyword) != std::string_view::npos;
    }
    return false;
}

// The first character of a UTF-8 text, with its continuation bytes.
std::string FirstCharacter(std::string_view text) {
    std::size_t length = 1;
    while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
        ++length;
    }
    return std::string(text.substr(0, length));
}

std::string FolderPath(std::string_view name) {
    std::string path(name);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

// Reads the keys of one section with the profile rules. The first colour or font that cannot
// be read is kept as the section's error; later reads of colours and fonts give their defaults.
class SectionReader {
public:
    SectionReader(const IniDocument& document, std::string section)
        : document_(document), section_(std::move(section)) {}

    std::string Text(std::string_view key, std::string_view defaultValue) const {
        return document_.Value(section_, key).value_or(std::string(defaultValue));
    }

    std::optional<int> Integer(std::string_view key) const {
        const auto text = document_.Value(section_, key);
        return text ? ParseProfileInteger(*text) : std::nullopt;
    }

    int Integer(std::string_view key, int defaultValue) const {
        return Integer(key).value_or(defaultValue);
    }

    bool Boolean(std::string_view key, bool defaultValue) const {
        return Integer(key, defaultValue ? 1 : 0) != 0;
    }

    ColourValue Colour(std::string_view key, std::string_view defaultText) {
        const std::string text = Text(key, defaultText);
        if (const auto colour = ParseColourText(text)) return *colour;
        Fail(key, "\"" + text + "\" is not a valid colour");
        return *ParseColourText(defaultText);
    }

    FontSpec Font() {
        const std::string text = Text("font", kDefaultLayoutFontText);
        std::string whyNot;
        if (const auto font = ParseFontText(text, &whyNot)) return *font;
        Fail("font", whyNot);
        return FontSpec{};
    }

    const std::optional<std::string>& Error() const { return error_; }

private:
    void Fail(std::string_view key, const std::string& reason) {
        if (!error_) error_ = SlfKeyError(section_, key, reason);
    }

    const IniDocument& document_;
    const std::string section_;
    std::optional<std::string> error_;
};

std::string ResolvePicture(const std::string& name, const SlfContext& context,
                           const FileSystem& fileSystem) {
    if (fileSystem.FileExists(name)) return name;
    if (fileSystem.FileExists(context.programFolder + name)) return context.programFolder + name;
    return context.programFolder + "layouts/slf/" + name;
}

SlfControl ReadControl(Kind kind, SectionReader& reader, const std::string& section,
                       const SlfContext& context, const FileSystem& fileSystem) {
    const KindKeys& keys = KeysOf(kind);
    SlfControl control;
    control.kind = kind;
    control.section = section;
    control.left = reader.Integer("left", keys.left);
    control.top = reader.Integer("top", keys.top);
    if (keys.font) control.font = reader.Font();
    if (keys.backColour) control.backColour = reader.Colour("backcolor", "clBlack");
    control.width = keys.width ? reader.Integer("width", *keys.width) : reader.Integer("width");
    control.height =
        keys.height ? reader.Integer("height", *keys.height) : reader.Integer("height");
    if (keys.caption) control.caption = reader.Text("caption", *keys.caption);
    if (keys.transparent) control.transparent = reader.Boolean("transparent", *keys.transparent);
    if (keys.autoSize) control.autoSize = reader.Boolean("autosize", *keys.autoSize);
    if (keys.wordWrap) control.wordWrap = reader.Boolean("wordwrap", *keys.wordWrap);
    if (keys.flat) control.flat = reader.Boolean("flat", *keys.flat);
    if (keys.visible) control.visible = reader.Boolean("visible", true);

    switch (kind) {
        case Kind::kSurface:
            control.backColour = reader.Colour("color", "clBlack");
            break;
        case Kind::kUserNameBox:
        case Kind::kPasswordBox:
            if (const std::string mask = reader.Text("mask", "*"); !mask.empty()) {
                control.mask = FirstCharacter(mask);
            }
            break;
        case Kind::kAwayMessageLabel:
            control.caption = reader.Text("caption", context.awayMessage);
            break;
        case Kind::kAnalogClock:
            control.backColour = reader.Colour("color", "clBlack");
            control.dotsColour = reader.Colour("dotscolor", "clTeal");
            control.showSeconds = reader.Boolean("showseconds", true);
            break;
        case Kind::kClockLabel1:
        case Kind::kClockLabel2:
        case Kind::kOstrelUptimeLabel:
        case Kind::kSystemUptimeLabel:
            control.format = reader.Text("format", "h:nn:ss am/pm");
            break;
        case Kind::kPicture:
            control.fileName =
                ResolvePicture(FolderPath(reader.Text("filename", "none")), context, fileSystem);
            break;
        case Kind::kBevel:
            control.lowered = reader.Boolean("raised", false);
            break;
        case Kind::kPlugin:
            control.fileName = FolderPath(reader.Text("filename", ""));
            break;
        default:
            break;
    }
    return control;
}

}  // namespace

std::string SlfKeyError(std::string_view section, std::string_view key, std::string_view reason) {
    return "Section [" + std::string(section) + "], key " + std::string(key) + ": " +
           std::string(reason) + ".";
}

std::string_view SlfControlName(SlfControlKind kind) {
    return KeysOf(kind).objectName;
}

std::vector<SlfControlKind> SlfSectionKinds(std::string_view sectionName) {
    const std::string upperName = Upper(sectionName);
    std::vector<SlfControlKind> kinds;
    for (const SectionTest& test : kSectionTests) {
        if (Passes(test, sectionName, upperName)) kinds.push_back(test.kind);
    }
    return kinds;
}

SlfLayout ParseSlfLayout(std::string_view text, const SlfContext& context,
                         const FileSystem& fileSystem) {
    const IniDocument document = IniDocument::Parse(text);
    SlfLayout layout;
    for (const std::string& section : document.Sections()) {
        for (const Kind kind : SlfSectionKinds(section)) {
            SectionReader reader(document, section);
            SlfControl control = ReadControl(kind, reader, section, context, fileSystem);
            if (reader.Error()) {
                layout.error = reader.Error();
                return layout;
            }
            layout.controls.push_back(std::move(control));
        }
    }
    return layout;
}

}  // namespace ostrel
