#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Field encodings of the session file. Each type's in-memory layout is its file layout.

// A one-byte boolean: 0 is written for false and 1 for true; any non-zero byte reads as true.
// Kept as a byte so that loading an arbitrary file never produces an invalid C++ bool.
struct Flag8 {
  std::uint8_t Byte;

  operator bool() const { return Byte != 0; }  // NOLINT(google-explicit-constructor)
  Flag8& operator=(bool value) {
    Byte = value ? 1 : 0;
    return *this;
  }
};
static_assert(sizeof(Flag8) == 1);

// A short string: a length byte (0..32) and 32 characters of 8-bit text (Latin-1).
struct String32 {
  static constexpr int Capacity = 32;

  std::uint8_t Length;
  char Chars[Capacity];

  // The stored text; a damaged length byte above 32 reads as 32.
  std::string Text() const;
  // Stores the first 32 characters of the text.
  void Assign(std::string_view text);
};
static_assert(sizeof(String32) == 33);
