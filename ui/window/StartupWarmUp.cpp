#include "ui/window/StartupWarmUp.h"

#include "ui/window/ProgramIcon.h"

#include <fontconfig/fontconfig.h>

#include <utility>

namespace varnel {

TStartupWarmUp::TStartupWarmUp() {
    thread_ = std::thread([this] {
        // The toolkit's own FcInit then finds the configuration loaded.
        FcInit();
        iconImages_ = DecodeProgramIconImages();
    });
}

TStartupWarmUp::~TStartupWarmUp() {
    Join();
}

void TStartupWarmUp::Join() {
    if (thread_.joinable())
        thread_.join();
}

void TStartupWarmUp::Finish() {
    Join();
    UseProgramIconImages(std::exchange(iconImages_, {}));
}

} // namespace varnel
