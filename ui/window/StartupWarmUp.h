#pragma once

#include <QImage>

#include <thread>
#include <vector>

namespace varnel {

// Start-up work that needs no display, done on a second thread while the
// application object connects to one: the font configuration is read and
// the program icon decoded. Without it the first text the window measures
// waits for the font configuration.
class TStartupWarmUp {
public:
    TStartupWarmUp();
    ~TStartupWarmUp();
    TStartupWarmUp(const TStartupWarmUp&) = delete;
    TStartupWarmUp& operator=(const TStartupWarmUp&) = delete;

    // Waits for the thread and hands the icon on to ProgramIcon. Call it
    // before the first window, from the thread of the application object.
    void Finish();

private:
    void Join();

    std::thread thread_;
    std::vector<QImage> iconImages_;
};

} // namespace varnel
