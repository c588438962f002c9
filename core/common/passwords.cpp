#include "common/passwords.h"

#include "common/sha1.h"

namespace ostrel {

std::string HashPassword(std::string_view password) {
    return Sha1Hex(password);
}

bool CheckMasterPassword(std::string_view password, std::string_view passwordHash) {
    return !passwordHash.empty() && HashPassword(password) == passwordHash;
}

}  // namespace ostrel
