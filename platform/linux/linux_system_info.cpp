#include "linux/linux_system_info.h"

#include <arpa/inet.h>
#include <grp.h>
#include <netdb.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "common/system_info_rules.h"

namespace ostrel {

namespace {

constexpr const char* kSambaConfigPath = "/etc/samba/smb.conf";
constexpr int kAddressesConsidered = 11;

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// One text field of a passwd or group record from a reentrant lookup, growing the buffer while
// the lookup reports ERANGE; empty when there is no record.
template <typename Record, typename Lookup>
std::string RecordField(Lookup lookup, char* Record::*field) {
    constexpr std::size_t kLargestBuffer = 1 << 20;
    std::vector<char> buffer(4096);
    Record record{};
    Record* found = nullptr;
    int error = 0;
    while ((error = lookup(&record, buffer.data(), buffer.size(), &found)) == ERANGE &&
           buffer.size() < kLargestBuffer) {
        buffer.resize(buffer.size() * 2);
    }
    if (error != 0 || found == nullptr || found->*field == nullptr) return {};
    return found->*field;
}

std::string UserField(uid_t uid, char* passwd::*field) {
    return RecordField<passwd>(
        [uid](passwd* record, char* buffer, std::size_t size, passwd** found) {
            return ::getpwuid_r(uid, record, buffer, size, found);
        },
        field);
}

std::string GroupName(gid_t gid) {
    return RecordField<group>(
        [gid](group* record, char* buffer, std::size_t size, group** found) {
            return ::getgrgid_r(gid, record, buffer, size, found);
        },
        &group::gr_name);
}

// Names of the process's effective and supplementary groups.
std::vector<std::string> GroupNames() {
    std::vector<gid_t> gids(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int count = ::getgroups(static_cast<int>(gids.size()), gids.data());
    gids.resize(static_cast<std::size_t>(std::max(count, 0)));
    gids.push_back(::getegid());
    std::vector<std::string> names;
    for (const gid_t gid : gids) names.push_back(GroupName(gid));
    return names;
}

std::string Home() {
    const std::string home = Environment("HOME");
    return home.empty() ? UserField(::geteuid(), &passwd::pw_dir) : home;
}

// The host name with its domain: as set when it has a dot, else the resolver's canonical name.
std::string FullHostName(const std::string& hostName) {
    if (hostName.empty() || hostName.find('.') != std::string::npos) return hostName;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_CANONNAME;
    addrinfo* list = nullptr;
    if (::getaddrinfo(hostName.c_str(), nullptr, &hints, &list) != 0) return hostName;
    const std::string canonical =
        list->ai_canonname != nullptr ? std::string(list->ai_canonname) : hostName;
    ::freeaddrinfo(list);
    return canonical;
}

std::string ReadSambaConfig() {
    std::ifstream file(kSambaConfigPath, std::ios::binary);
    if (!file) return {};
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

std::string LinuxSystemInfo::HostName() const {
    char name[HOST_NAME_MAX + 1] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

std::string LinuxSystemInfo::ComputerAddress() const {
    const std::string hostName = HostName();
    if (hostName.empty()) return {};
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;  // one entry per address, not one per socket type
    addrinfo* list = nullptr;
    if (::getaddrinfo(hostName.c_str(), nullptr, &hints, &list) != 0) return {};
    const addrinfo* last = list;
    for (int i = 1; i < kAddressesConsidered && last->ai_next != nullptr; ++i) {
        last = last->ai_next;
    }
    char dotted[INET_ADDRSTRLEN] = {};
    const auto* address = reinterpret_cast<const sockaddr_in*>(last->ai_addr);
    const bool converted =
        ::inet_ntop(AF_INET, &address->sin_addr, dotted, sizeof dotted) != nullptr;
    ::freeaddrinfo(list);
    return converted ? dotted : "";
}

std::string LinuxSystemInfo::UserName() const {
    const std::string name = UserField(::geteuid(), &passwd::pw_name);
    return name.empty() ? Environment("USER") : name;
}

std::string LinuxSystemInfo::Workgroup() const {
    const std::string samba = SambaWorkgroup(ReadSambaConfig());
    if (!samba.empty()) return samba;
    const std::string domain = DnsDomain(FullHostName(HostName()));
    return domain.empty() ? std::string(kNoWorkgroup) : domain;
}

bool LinuxSystemInfo::IsAdmin() const {
    const bool root = ::geteuid() == 0;
    return IsAdminAccount(root, root ? std::vector<std::string>() : GroupNames());
}

std::string LinuxSystemInfo::ProgramFolder() const {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return ProgramFolderFrom(Environment("OSTREL_HOME"), error ? "" : executable.string());
}

std::string LinuxSystemInfo::DataFolder() const {
    return DataFolderFrom(Environment("XDG_DATA_HOME"), Home());
}

std::string LinuxSystemInfo::ConfigFolder() const {
    return ConfigFolderFrom(Environment("XDG_CONFIG_HOME"), Home());
}

}  // namespace ostrel
