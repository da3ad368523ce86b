#pragma once

#include <string_view>

namespace varnel {

// The version of the programs and their package, set by the build.
inline constexpr std::string_view ProgramVersion = VARNEL_VERSION;

} // namespace varnel
