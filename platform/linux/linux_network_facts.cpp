#include "linux/linux_network_facts.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace ostrel {

namespace {

constexpr int kLoopbackType = 772;  // ARPHRD_LOOPBACK

std::string FirstLine(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

int Number(const std::string& text) {
    try {
        return std::stoi(text);
    } catch (const std::exception&) {
        return -1;
    }
}

}  // namespace

std::vector<NetworkAdapter> ListNetworkAdapters(const std::string& folder) {
    std::vector<NetworkAdapter> adapters;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::filesystem::path& path = entry.path();
        NetworkAdapter adapter;
        adapter.name = path.filename().string();
        adapter.index = Number(FirstLine(path / "ifindex"));
        adapter.loopback = Number(FirstLine(path / "type")) == kLoopbackType;
        adapter.address = FirstLine(path / "address");
        adapters.push_back(std::move(adapter));
    }
    return adapters;
}

bool InRemoteDesktopSession() {
    for (const char* name : {"XRDP_SESSION", "X2GO_SESSION"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

}  // namespace ostrel
