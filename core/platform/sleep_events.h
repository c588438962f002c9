#pragma once

namespace ostrel {

// Power-broadcast event numbers, as the platform reports suspend, resume and battery changes.
inline constexpr int kPowerQuerySuspendFailed = 2;
inline constexpr int kPowerSuspend = 4;
inline constexpr int kPowerStandBy = 5;
inline constexpr int kPowerResumeCritical = 6;
inline constexpr int kPowerResumeSuspend = 7;
inline constexpr int kPowerResumeStandBy = 8;
inline constexpr int kPowerBatteryLow = 9;
inline constexpr int kPowerResumeAutomatic = 18;

}  // namespace ostrel
