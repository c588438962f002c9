#pragma once

#include <string>
#include <string_view>

namespace ostrel {

// The stored form of a password: SHA-1 of its bytes exactly as given, as 40 lower-case
// hexadecimal digits. No salt, so equal passwords give equal hashes on every computer.
std::string HashPassword(std::string_view password);

// True when the password's hash equals the master password hash exactly. No master password is
// set while the hash is empty; then nothing matches.
bool CheckMasterPassword(std::string_view password, std::string_view passwordHash);

}  // namespace ostrel
