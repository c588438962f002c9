#pragma once

namespace ostrel {

// What a modal dialog closes with.
inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;
// The first-run dialog's Exit: the caller ends the lock session.
inline constexpr int kModalAbort = 3;
// The account unlock dialog after wrong credentials.
inline constexpr int kModalBadCredentials = 7;

}  // namespace ostrel
