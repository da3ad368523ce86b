#include "units/OwnVersion.h"

// The build passes the project's version in.
#ifndef VARNEL_VERSION_MAJOR
#error "VARNEL_VERSION_MAJOR, VARNEL_VERSION_MINOR and VARNEL_VERSION_PATCH must be defined"
#endif

namespace varnel {

int32_t OwnVersion() {
    return VARNEL_VERSION_MAJOR * 100 + VARNEL_VERSION_MINOR * 10 + VARNEL_VERSION_PATCH;
}

std::string OwnVersionText() {
    std::string text =
        "v" + std::to_string(VARNEL_VERSION_MAJOR) + "." + std::to_string(VARNEL_VERSION_MINOR);
    if (VARNEL_VERSION_PATCH != 0)
        text += "." + std::to_string(VARNEL_VERSION_PATCH);
    return text;
}

} // namespace varnel
