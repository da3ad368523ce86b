#pragma once

#include <chrono>
#include <filesystem>

namespace varnel {

// A calendar day of the local time zone.
using TDay = std::chrono::sys_days;

TDay Today();
TDay LocalDayOf(std::filesystem::file_time_type time);
// The first moment of a local day, as a file time.
std::filesystem::file_time_type LocalMidnight(TDay day);

} // namespace varnel
