#pragma once

#include <QImage>

#include <future>
#include <thread>
#include <vector>

namespace varnel {

// Start-up work that needs no display, done on a second thread while the
// application object connects to one: the font configuration is read, then
// the program icon decoded. Without it the first text the window measures
// waits for the font configuration.
class TStartupWarmUp {
public:
    TStartupWarmUp();
    ~TStartupWarmUp();
    TStartupWarmUp(const TStartupWarmUp&) = delete;
    TStartupWarmUp& operator=(const TStartupWarmUp&) = delete;

    // The application object is made: the image decoders may be set up.
    void ApplicationReady();
    // Waits for the thread and hands the icon on to ProgramIcon. Call it
    // before the first window, from the thread of the application object.
    void Finish();

private:
    void Answer(bool applicationMade);
    void Join();

    // True once the application object is made, false when it never came.
    std::promise<bool> applicationReady_;
    bool readySent_ = false;
    std::thread thread_;
    std::vector<QImage> iconImages_;
};

} // namespace varnel
