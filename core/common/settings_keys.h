#pragma once

#include <span>
#include <string>
#include <variant>

#include "common/ostrel_settings.h"

namespace ostrel {

// How the file store (settings.ini) treats a key.
enum class IniUse {
    kReadWrite,  // read by LoadINI, written by SaveINI
    kNotRead,    // left at false, 0 or empty by LoadINI, not written by SaveINI
    kWriteEmpty  // not read; SaveINI writes "0" or empty
};

using SettingField = std::variant<std::string TOstrelSettings::*, int TOstrelSettings::*,
                                  bool TOstrelSettings::*>;

struct SettingKey {
    const char* section;
    const char* key;
    SettingField field;
    IniUse iniUse;
    bool multiLine;
};

// Every key of both stores in the order of the stores' tables ([Deployment] importINI excluded).
std::span<const SettingKey> SettingKeys();

// The stored text of a field: "1"/"0" for Booleans, decimal for integers.
std::string StoredText(const TOstrelSettings& settings, const SettingField& field);

}  // namespace ostrel
