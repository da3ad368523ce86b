// The window size file: any bytes give a width and a height.

#include "FuzzSupport.h"

#include "common/Exception.h"
#include "ui/options/WindowSizeFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnel;
    try {
        const TWindowSize windowSize = ReadWindowSizeFrom(fuzz::FileWith(data, size));
        (void)windowSize;
    } catch (const Exception&) {
    }
    return 0;
}
