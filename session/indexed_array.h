#pragma once

#include <cassert>
#include <cstddef>

// A fixed array addressed by the indices the domain uses: measurements 1..10, channels
// 1..4096, wavelengths 200..800 nm. The storage is a plain C array so that the type keeps
// the exact byte layout of the session file.
template <typename T, int Low, int High>
struct IndexedArray {
  static_assert(Low <= High);
  static constexpr int First = Low;
  static constexpr int Last = High;
  static constexpr int Count = High - Low + 1;

  T Items[Count];

  static constexpr bool Contains(int index) { return index >= Low && index <= High; }

  constexpr T& operator[](int index) {
    assert(Contains(index));
    return Items[index - Low];
  }
  constexpr const T& operator[](int index) const {
    assert(Contains(index));
    return Items[index - Low];
  }

  constexpr T* begin() { return Items; }
  constexpr T* end() { return Items + Count; }
  constexpr const T* begin() const { return Items; }
  constexpr const T* end() const { return Items + Count; }
};

// Arrays indexed from 1, the most common case.
template <typename T, int Size>
using OneBased = IndexedArray<T, 1, Size>;
