#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/instance_channel.h"

namespace ostrel {

// The instance message carries its meaning in the (wParam, lParam) pair.
inline constexpr int kInstanceMessageNumber = 12346;
// Sent by a second instance to the running one: lock now.
inline constexpr int kActivationMessageNumber = 1147;

inline constexpr InstanceMessage kTraceOnlyRequest{kInstanceMessageNumber, 50, 6999};
inline constexpr InstanceMessage kActivateRequest{kInstanceMessageNumber, 51, 6998};
inline constexpr InstanceMessage kScreenSaverLaunchRequest{kInstanceMessageNumber, 52, 6998};
inline constexpr InstanceMessage kTerminateRequest{kInstanceMessageNumber, 53, 6999};
inline constexpr InstanceMessage kActivationMessage{kActivationMessageNumber, 0, 0};

// On the local channel a message travels as one line: three decimal numbers separated by single
// spaces, then LF.
inline constexpr std::size_t kInstanceMessageLineLimit = 64;
std::string EncodeInstanceMessage(const InstanceMessage& message);
// The message of one line without its LF; nothing when the line is not in the form above.
std::optional<InstanceMessage> DecodeInstanceMessage(std::string_view line);

}  // namespace ostrel
