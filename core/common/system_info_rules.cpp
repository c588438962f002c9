#include "common/system_info_rules.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace ostrel {

namespace {

constexpr std::string_view kBlanks = " \t\r\f\v";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Samba compares section and parameter names without regard to case and blanks.
std::string NormalizedName(std::string_view name) {
    std::string normalized;
    for (const char c : name) {
        if (kBlanks.find(c) == std::string_view::npos) {
            normalized += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return normalized;
}

// The logical lines of a Samba configuration: a line ending with "\" goes on in the next.
std::vector<std::string> LogicalLines(std::string_view text) {
    std::vector<std::string> lines(1);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.ends_with('\\')) {
            line.remove_suffix(1);
            lines.back().append(line);
        } else {
            lines.back().append(line);
            lines.emplace_back();
        }
        start = end + 1;
    }
    return lines;
}

std::string WithTrailingSlash(std::string_view folder) {
    std::string result(folder);
    if (!result.ends_with('/')) result += '/';
    return result;
}

std::string XdgFolder(std::string_view xdgValue, std::string_view home,
                      std::string_view defaultBelowHome) {
    if (xdgValue.starts_with('/')) return WithTrailingSlash(xdgValue);
    return WithTrailingSlash(WithTrailingSlash(home) + std::string(defaultBelowHome));
}

}  // namespace

std::string SambaWorkgroup(std::string_view smbConf) {
    bool inGlobal = true;  // parameters before the first section are global ones
    std::string workgroup;
    for (const std::string& rawLine : LogicalLines(smbConf)) {
        const std::string_view line = Trim(rawLine);
        if (line.empty() || line.starts_with('#') || line.starts_with(';')) continue;
        if (line.starts_with('[')) {
            const std::size_t close = line.find(']');
            inGlobal = NormalizedName(line.substr(1, close - 1)) == "global";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inGlobal || equals == std::string_view::npos) continue;
        if (NormalizedName(line.substr(0, equals)) == "workgroup") {
            workgroup = Trim(line.substr(equals + 1));
        }
    }
    return workgroup;
}

std::string DnsDomain(std::string_view fullHostName) {
    const std::size_t dot = fullHostName.find('.');
    if (dot == std::string_view::npos) return {};
    std::string_view domain = fullHostName.substr(dot + 1);
    if (domain.ends_with('.')) domain.remove_suffix(1);
    return std::string(domain);
}

bool IsAdminAccount(bool isRoot, const std::vector<std::string>& groupNames) {
    static constexpr std::array<std::string_view, 3> kAdminGroups = {"sudo", "wheel", "admin"};
    return isRoot || std::any_of(groupNames.begin(), groupNames.end(), [](const std::string& g) {
               return std::find(kAdminGroups.begin(), kAdminGroups.end(), g) != kAdminGroups.end();
           });
}

std::string ProgramFolderFrom(std::string_view ostrelHome, std::string_view executablePath) {
    if (!ostrelHome.empty()) return WithTrailingSlash(ostrelHome);
    const std::size_t slash = executablePath.rfind('/');
    if (slash == std::string_view::npos) return "./";
    return std::string(executablePath.substr(0, slash + 1));
}

std::string DataFolderFrom(std::string_view xdgDataHome, std::string_view home) {
    return XdgFolder(xdgDataHome, home, ".local/share") + "Ostrel 3.0/";
}

std::string ConfigFolderFrom(std::string_view xdgConfigHome, std::string_view home) {
    return XdgFolder(xdgConfigHome, home, ".config");
}

}  // namespace ostrel
