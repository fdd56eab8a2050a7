#pragma once

#include <stdexcept>
#include <string>

#include "session/indexed_array.h"

// The element of a catalogue array at a domain index: entry number, wavelength or time step.
// Callers take their indices from the catalogue's own ranges, so one outside them is a
// programming error; it stops with std::out_of_range instead of yielding a value.
template <typename T, int Low, int High>
const T& CheckedAt(const IndexedArray<T, Low, High>& items, int index, const char* what) {
  if (!items.Contains(index)) {
    throw std::out_of_range(std::string(what) + " " + std::to_string(index) + " is outside " +
                            std::to_string(Low) + ".." + std::to_string(High));
  }
  return items[index];
}
