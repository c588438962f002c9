#pragma once

namespace ostrel {

// The program's version: major, minor, release and build.
inline constexpr const char* kProgramVersion = "3.0.0.0";

}  // namespace ostrel
