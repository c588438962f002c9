#include "console/command_url.h"

#include "common/text_helpers.h"

namespace ostrel {

namespace {

// The target with the password text as given: encoded for the wire, or the mask for a log.
std::string Target(std::string_view command, std::string_view user, std::string_view passwordText,
                   std::string_view params, std::span<const UrlParam> extra) {
    std::string target = "/" + std::string(command) + "?s_username=" + PercentEncode(user) +
                         "&s_password=" + std::string(passwordText) +
                         "&params=" + PercentEncode(params);
    for (const UrlParam& param : extra) {
        target += "&" + std::string(param.name) + "=" + PercentEncode(param.value);
    }
    return target;
}

std::string Origin(std::string_view address) {
    return "http://" + std::string(address) + ":" + std::to_string(kCommandPort);
}

}  // namespace

std::string CommandTarget(std::string_view command, const ConsoleCredentials& credentials,
                          std::string_view params, std::span<const UrlParam> extra) {
    return Target(command, credentials.user, PercentEncode(credentials.password), params, extra);
}

std::string CommandUrl(std::string_view address, std::string_view command,
                       const ConsoleCredentials& credentials, std::string_view params,
                       std::span<const UrlParam> extra) {
    return Origin(address) + CommandTarget(command, credentials, params, extra);
}

std::string SafeUrl(std::string_view address, std::string_view command,
                    const ConsoleCredentials& credentials, std::string_view params,
                    std::span<const UrlParam> extra) {
    return Origin(address) + Target(command, credentials.user, kMaskedPassword, params, extra);
}

}  // namespace ostrel
