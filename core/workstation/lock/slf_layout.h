#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/colour_text.h"
#include "common/font_text.h"
#include "platform/file_system.h"

namespace ostrel {

// What one section test of a layout configures. The fixed controls of the lock screen exist
// once and are restyled by every section that names them; the other kinds create a new control
// each time.
enum class SlfControlKind {
    kSurface,                   // the layout surface panMain: its colour
    kUserNameBox,               // edtExitUsername
    kPasswordBox,               // edtExitPassword
    kLabel,                     // a new label
    kFlatOkButton,              // tbExitOK
    kOkButton,                  // btnExitOK
    kFlatChangePasswordButton,  // tbChangePassword
    kChangePasswordButton,      // btnChangePassword
    kFlatLeaveMessageButton,    // tbLeaveMessage
    kLeaveMessageButton,        // btnLeaveMessage
    kMessageCountLabel,         // lblMessageCount
    kAwayMessageLabel,          // lblAwayMessage
    kAnalogClock,               // jvClock
    kClockLabel1,               // lblClock1
    kClockLabel2,               // lblClock2
    kOstrelUptimeLabel,         // lblOstrelUptime
    kSystemUptimeLabel,         // lblSystemUptime
    kPicture,                   // a new picture
    kBevel,                     // a new bevel
    kGroupBox,                  // a new group box
    kPlugin,                    // a plug-in program shown in a rectangle
};

// The object name of the fixed control a kind configures ("edtExitPassword"); empty for the
// kinds that create new controls and for plug-ins.
std::string_view SlfControlName(SlfControlKind kind);

// The kinds a section configures, in the order they are applied. The names are tested upper-cased
// for containing (or, for labels, beginning with) the keywords, except "BackGround", which must
// occur with exactly that letter case.
std::vector<SlfControlKind> SlfSectionKinds(std::string_view sectionName);

// One control as a section describes it, every key read with its default.
struct SlfControl {
    SlfControlKind kind = SlfControlKind::kLabel;
    std::string section;
    int left = 0;
    int top = 0;
    std::optional<int> width;           // nothing: the control keeps its current width
    std::optional<int> height;          // nothing: the control keeps its current height
    std::optional<FontSpec> font;       // nothing for kinds without a font
    ColourValue backColour = kClBlack;  // surface colour, clock face and group box colour too
    ColourValue dotsColour = kClTeal;   // analog clock
    std::string caption;
    std::string format;               // date-time format of clock and uptime labels
    std::string fileName;             // picture: the path to load; plug-in: program name
    std::optional<std::string> mask;  // edit boxes: the new password character (UTF-8)
    bool visible = true;
    bool transparent = false;
    bool autoSize = false;
    bool wordWrap = false;
    bool flat = false;
    bool showSeconds = true;  // analog clock
    bool lowered = false;     // bevel
};

// A layout file read into controls, in file order. When a colour or a font cannot be read the
// layout ends before the control that names it, and `error` tells why.
struct SlfLayout {
    std::vector<SlfControl> controls;
    std::optional<std::string> error;
};

struct SlfContext {
    std::string programFolder;  // ends with "/"
    std::string awayMessage;    // caption of the away-message label when the layout gives none
};

// "Section [LABEL1], key font: <reason>.": how a key that stops a layout is reported.
std::string SlfKeyError(std::string_view section, std::string_view key, std::string_view reason);

// Reads a layout. A picture's file name is resolved here: the name as it is when that file
// exists, else the program folder + name when that exists, else the program folder +
// "layouts/slf/" + name. Backslashes in file names count as folder separators.
SlfLayout ParseSlfLayout(std::string_view text, const SlfContext& context,
                         const FileSystem& fileSystem);

}  // namespace ostrel
