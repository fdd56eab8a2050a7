#include "session/record_types.h"

#include <algorithm>
#include <cstring>

std::string String32::Text() const {
  return std::string(Chars, std::min<std::size_t>(Length, Capacity));
}

void String32::Assign(std::string_view text) {
  const std::size_t count = std::min<std::size_t>(text.size(), Capacity);
  Length = static_cast<std::uint8_t>(count);
  std::memcpy(Chars, text.data(), count);
}
