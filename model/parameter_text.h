#pragma once

#include <optional>
#include <string>
#include <string_view>

// How the supervisor's physical parameters are typed and shown.

// Reads a typed parameter: optional leading blanks, an optional sign, digits with an optional
// "." and an optional exponent ("e" or "E", optional sign, digits), and nothing after it (a
// trailing blank makes it no number). The value is held as a 4-byte float, as the session
// record keeps it. None when the text is no number.
std::optional<float> ReadParameterNumber(std::string_view text);

// Fixed-point with two decimals, right-aligned in six characters: 276.33 as "276.33", 1.0 as
// "  1.00", -100.0 as "-100.00" (wider numbers are not cut). Halves round away from zero.
std::string FormatParameter(float value);
