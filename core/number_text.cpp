// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/number_text.h"

#include <charconv>
#include <cmath>

namespace psn {

std::optional<double> StrToFloat(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;
    std::string number(text.substr(begin, end - begin));
    bool digit = false;
    int marks = 0;
    for (char& c : number) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' || c == ',') {
            c = '.';
            ++marks;
        } else if (c != '+' && c != '-' && c != 'e' && c != 'E') {
            return std::nullopt;
        }
    }
    if (!digit || marks > 1)
        return std::nullopt;
    // from_chars takes no leading "+"; a sign is taken here once, and a second one is refused.
    std::size_t at = 0;
    bool negative = false;
    if (number[0] == '+' || number[0] == '-') {
        negative = number[0] == '-';
        at = 1;
    }
    if (at < number.size() && (number[at] == '+' || number[at] == '-'))
        return std::nullopt;
    double value = 0;
    const char* first = number.data() + at;
    const char* last = number.data() + number.size();
    const auto [stop, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || stop != last || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::string FixedText(double value, int decimals, char mark) {
    char buffer[512];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ec == std::errc() ? result.ptr : buffer);
    for (char& c : text)
        if (c == '.')
            c = mark;
    return text;
}

double RoundToSignificant(double value, int digits) {
    char buffer[64];
    const auto printed = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, digits - 1);
    double rounded = value;
    std::from_chars(buffer, printed.ptr, rounded);
    return rounded;
}

} // namespace psn
