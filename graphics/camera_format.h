// How camera values are shown and stored: angles as degrees in a signed word where 32768 steps
// make 180 degrees, numbers typed by the user converted with the runtime's rules.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace psn::camera {

// word x 180 / 32768, rounded to three significant digits, with three decimals ("5.490").
std::string AngleText(std::int16_t word);

// degrees / 180 x 32768, rounded to the nearest integer (halves to even), low 16 bits.
std::uint16_t AngleWord(double degrees);

// A decimal number with optional sign, fraction and exponent, blanks around it allowed; nothing
// else (no hexadecimal, infinities or not-a-number).
std::optional<double> StrToFloat(std::string_view text);

} // namespace psn::camera
