#include "units/CalendarDay.h"

#include <ctime>

namespace varnel {

namespace {

std::tm LocalTime(std::time_t time) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &time);
#else
    localtime_r(&time, &local);
#endif
    return local;
}

TDay LocalDayOf(std::chrono::system_clock::time_point time) {
    const std::tm local = LocalTime(std::chrono::system_clock::to_time_t(time));
    return std::chrono::year{local.tm_year + 1900} /
           std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)} /
           std::chrono::day{static_cast<unsigned>(local.tm_mday)};
}

} // namespace

TDay Today() {
    return LocalDayOf(std::chrono::system_clock::now());
}

TDay LocalDayOf(std::filesystem::file_time_type time) {
    return LocalDayOf(std::chrono::time_point_cast<std::chrono::system_clock::duration>(
        std::chrono::file_clock::to_sys(time)));
}

std::filesystem::file_time_type LocalMidnight(TDay day) {
    const std::chrono::year_month_day date(day);
    std::tm local{};
    local.tm_year = static_cast<int>(date.year()) - 1900;
    local.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
    local.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
    local.tm_isdst = -1; // let the time zone tell whether summer time is in force
    const std::time_t time = std::mktime(&local);
    return std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(time));
}

} // namespace varnel
