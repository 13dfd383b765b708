#include "platform/SystemClock.h"

#include <chrono>
#include <ctime>

namespace vantor {

DateTime SystemClock::Now() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return DateTime{Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
                    TimeOfDay{local.tm_hour, local.tm_min, local.tm_sec}};
}

}  // namespace vantor
