#include "ui/window/StartupWarmUp.h"

#include "ui/window/ProgramIcon.h"

#include <fontconfig/fontconfig.h>

#include <utility>

namespace varnel {

TStartupWarmUp::TStartupWarmUp() {
    thread_ = std::thread([this, ready = applicationReady_.get_future()]() mutable {
        // The toolkit's own FcInit then finds the configuration loaded.
        FcInit();
        // The image decoders are looked up with the application's library
        // paths, which its construction sets up.
        if (ready.get())
            iconImages_ = DecodeProgramIconImages();
    });
}

TStartupWarmUp::~TStartupWarmUp() {
    Join();
}

void TStartupWarmUp::ApplicationReady() {
    Answer(true);
}

void TStartupWarmUp::Answer(bool applicationMade) {
    if (!readySent_) {
        readySent_ = true;
        applicationReady_.set_value(applicationMade);
    }
}

void TStartupWarmUp::Join() {
    Answer(false);
    if (thread_.joinable())
        thread_.join();
}

void TStartupWarmUp::Finish() {
    Join();
    UseProgramIconImages(std::exchange(iconImages_, {}));
}

} // namespace varnel
