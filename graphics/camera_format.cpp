#include "graphics/camera_format.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace psn::camera {

std::string AngleText(std::int16_t word) {
    const double degrees = word * 180.0 / 32768.0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2e", degrees);
    std::snprintf(buffer, sizeof buffer, "%.3f", std::strtod(buffer, nullptr));
    return buffer;
}

std::uint16_t AngleWord(double degrees) {
    // fmod keeps the low 16 bits of any finite value without an out-of-range conversion.
    const double steps = std::nearbyint(degrees / 180.0 * 32768.0);
    double low = std::fmod(steps, 65536.0);
    if (low < 0)
        low += 65536.0;
    return static_cast<std::uint16_t>(low);
}

std::optional<double> StrToFloat(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;
    const std::string trimmed(text.substr(begin, end - begin));
    if (trimmed.empty())
        return std::nullopt;
    bool digit = false;
    for (const char c : trimmed) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c != '+' && c != '-' && c != '.' && c != 'e' && c != 'E')
            return std::nullopt;
    }
    if (!digit)
        return std::nullopt;
    errno = 0;
    char* stop = nullptr;
    const double value = std::strtod(trimmed.c_str(), &stop);
    if (stop != trimmed.c_str() + trimmed.size() || !std::isfinite(value) || errno == ERANGE)
        return std::nullopt;
    return value;
}

} // namespace psn::camera
