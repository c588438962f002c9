#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ostrel {

// The workgroup text when the computer has neither a Samba workgroup nor a DNS domain.
inline constexpr std::string_view kNoWorkgroup = "(n/a)";

// The "workgroup" parameter of the global section of a Samba configuration text (smb.conf
// syntax: "#" and ";" comments, "\" continues a line, parameter names without regard to case
// and blanks, the last definition wins); empty when it is not set.
std::string SambaWorkgroup(std::string_view smbConf);

// The DNS domain of a full host name: everything after its first dot, without a final dot;
// empty when the name has no domain part.
std::string DnsDomain(std::string_view fullHostName);

// Root, or a member of one of the groups "sudo", "wheel" and "admin".
bool IsAdminAccount(bool isRoot, const std::vector<std::string>& groupNames);

// Folders from the environment, each ending with "/". Empty inputs count as unset; XDG base
// folders that are not absolute are ignored, as the XDG base-directory rules demand.
// Program folder: `ostrelHome` when set, else the folder of `executablePath`.
std::string ProgramFolderFrom(std::string_view ostrelHome, std::string_view executablePath);
// `xdgDataHome` (default `home`/.local/share) + "/Ostrel 3.0/".
std::string DataFolderFrom(std::string_view xdgDataHome, std::string_view home);
// `xdgConfigHome` (default `home`/.config) + "/".
std::string ConfigFolderFrom(std::string_view xdgConfigHome, std::string_view home);

}  // namespace ostrel
