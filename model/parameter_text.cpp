#include "model/parameter_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

bool IsDigit(char character) {
  return std::isdigit(static_cast<unsigned char>(character)) != 0;
}

// Moves past a run of digits; returns how many there were.
std::size_t SkipDigits(std::string_view text, std::size_t& position) {
  const std::size_t start = position;
  while (position < text.size() && IsDigit(text[position])) ++position;
  return position - start;
}

bool SkipSign(std::string_view text, std::size_t& position) {
  if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
    ++position;
    return true;
  }
  return false;
}

// True when the text from position on is a whole number: digits with an optional point and
// an optional exponent, and nothing after.
bool IsUnsignedDecimal(std::string_view text, std::size_t position) {
  std::size_t digits = SkipDigits(text, position);
  if (position < text.size() && text[position] == '.') {
    ++position;
    digits += SkipDigits(text, position);
  }
  if (digits == 0) return false;
  if (position < text.size() && (text[position] == 'e' || text[position] == 'E')) {
    ++position;
    SkipSign(text, position);
    if (SkipDigits(text, position) == 0) return false;
  }
  return position == text.size();
}

}  // namespace

std::optional<float> ReadParameterNumber(std::string_view text) {
  std::size_t position = 0;
  while (position < text.size() && text[position] == ' ') ++position;
  const bool negative = position < text.size() && text[position] == '-';
  SkipSign(text, position);
  if (!IsUnsignedDecimal(text, position)) return std::nullopt;

  // from_chars is independent of the locale, so "." is the decimal point whatever the desktop
  // language; it takes no "+", which is why the sign was read above.
  double magnitude = 0.0;
  const auto result = std::from_chars(text.data() + position, text.data() + text.size(), magnitude,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // Beyond a double's range: a negative exponent means a value too close to zero to hold,
    // anything else one too large for any range.
    const bool tiny =
        text.find("e-") != std::string_view::npos || text.find("E-") != std::string_view::npos;
    magnitude = tiny ? 0.0 : HUGE_VAL;
  } else if (result.ec != std::errc()) {
    return std::nullopt;
  }
  return static_cast<float>(negative ? -magnitude : magnitude);
}

std::string FormatParameter(float value) {
  // A float times 100 is exact in a double, so this rounds halves away from zero; adding 0.0
  // turns a negative zero into a plain one, so -0.001 is shown as "  0.00".
  const double rounded = std::round(static_cast<double>(value) * 100.0) / 100.0 + 0.0;
  char text[64];
  const int length = std::snprintf(text, sizeof text, "%6.2f", rounded);
  return std::string(text, static_cast<std::size_t>(length));
}
