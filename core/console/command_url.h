#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ostrel {

// The workstations' remote-control port.
inline constexpr int kCommandPort = 8777;
// What a log line shows in place of the password.
inline constexpr std::string_view kMaskedPassword = "*******";

// The console user's name and password, sent with every request.
struct ConsoleCredentials {
    std::string user;
    std::string password;
};

// A named request parameter beyond the credentials and "params".
struct UrlParam {
    std::string_view name;
    std::string value;
};

// The request target: "/" + command + "?s_username=...&s_password=...&params=..." followed by
// "&name=value" for each extra parameter, every value percent-encoded.
std::string CommandTarget(std::string_view command, const ConsoleCredentials& credentials,
                          std::string_view params, std::span<const UrlParam> extra = {});

// "http://" + address + ":8777" + the request target.
std::string CommandUrl(std::string_view address, std::string_view command,
                       const ConsoleCredentials& credentials, std::string_view params,
                       std::span<const UrlParam> extra = {});
// The same with the password replaced by "*******": the only form a log line shows.
std::string SafeUrl(std::string_view address, std::string_view command,
                    const ConsoleCredentials& credentials, std::string_view params,
                    std::span<const UrlParam> extra = {});

}  // namespace ostrel
