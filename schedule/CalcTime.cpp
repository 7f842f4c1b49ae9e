#include "schedule/CalcTime.h"

#include <cstdio>

namespace rokal {

std::u16string CalcTimeTextOf(const std::tm& when) {
    char buffer[64];
    int length = std::snprintf(buffer, sizeof buffer, "%d/%d/%d", when.tm_year + 1900,
                               when.tm_mon + 1, when.tm_mday);
    if (when.tm_hour != 0 || when.tm_min != 0 || when.tm_sec != 0) {
        length += std::snprintf(buffer + length, sizeof buffer - static_cast<std::size_t>(length),
                                " %02d:%02d:%02d", when.tm_hour, when.tm_min, when.tm_sec);
    }
    return std::u16string(buffer, buffer + length);
}

std::tm CurrentLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

std::u16string CurrentCalcTimeText() {
    return CalcTimeTextOf(CurrentLocalTime());
}

}  // namespace rokal
