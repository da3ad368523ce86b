#pragma once

#include <cstdint>
#include <string>

namespace varnel {

// The program's own version in the scale of a description's
// Program_Version: hundredths, so 4.0 is 400.
int32_t OwnVersion();
// The version as the About box shows it: "v4.0".
std::string OwnVersionText();

} // namespace varnel
