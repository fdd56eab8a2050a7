#include "model/raster.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstdlib>

namespace {
// Wide enough for the products of two coordinate differences of 32-bit points.
__extension__ using Wide = __int128;
}  // namespace

Raster::Raster(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
              Colours::White) {}

RgbColour Raster::Pixel(int x, int y) const {
  assert(Contains(x, y));
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                 static_cast<std::size_t>(x)];
}

void Raster::SetPixel(int x, int y, RgbColour colour) {
  if (!Contains(x, y)) return;
  pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
          static_cast<std::size_t>(x)] = colour;
}

void Raster::MoveTo(int x, int y) {
  penX_ = x;
  penY_ = y;
}

// Steps along the major axis one pixel at a time; the minor coordinate of step i is the start
// plus i * minor / major rounded to the nearest pixel (halves away from the start), as the
// incremental Bresenham line gives it. Only the steps whose major coordinate lies inside the
// raster are visited, so a line to a far-away point costs no more than one across the raster.
void Raster::LineTo(int x, int y) {
  const std::int64_t dx = std::int64_t{x} - penX_;
  const std::int64_t dy = std::int64_t{y} - penY_;
  const bool alongX = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t major = alongX ? dx : dy;
  const std::int64_t minor = alongX ? dy : dx;
  const std::int64_t steps = std::llabs(major);
  const std::int64_t majorStart = alongX ? penX_ : penY_;
  const std::int64_t minorStart = alongX ? penY_ : penX_;
  const std::int64_t majorSize = alongX ? width_ : height_;
  const int majorSign = major < 0 ? -1 : 1;
  const int minorSign = minor < 0 ? -1 : 1;

  // Steps i (0 <= i < steps) with 0 <= majorStart + majorSign * i < majorSize.
  std::int64_t first = 0;
  std::int64_t last = steps - 1;
  if (majorSign > 0) {
    first = std::max(first, -majorStart);
    last = std::min(last, majorSize - 1 - majorStart);
  } else {
    first = std::max(first, majorStart - (majorSize - 1));
    last = std::min(last, majorStart);
  }
  for (std::int64_t i = first; i <= last; ++i) {
    const auto offset =
        static_cast<std::int64_t>((2 * Wide{i} * std::llabs(minor) + steps) / (2 * steps));
    const std::int64_t along = majorStart + majorSign * i;
    const std::int64_t across = minorStart + minorSign * offset;
    if (alongX) {
      SetPixel(static_cast<int>(along),
               static_cast<int>(std::clamp<std::int64_t>(across, -1, height_)), Pen);
    } else {
      SetPixel(static_cast<int>(std::clamp<std::int64_t>(across, -1, width_)),
               static_cast<int>(along), Pen);
    }
  }
  MoveTo(x, y);
}

void Raster::FillSpan(int left, int right, int y, RgbColour colour) {
  for (int x = std::max(left, 0); x < std::min(right, width_); ++x) SetPixel(x, y, colour);
}

void Raster::Rectangle(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  for (int y = std::max(top + 1, 0); y < std::min(bottom - 1, height_); ++y) {
    FillSpan(left + 1, right - 1, y, Brush);
    SetPixel(left, y, Pen);
    SetPixel(right - 1, y, Pen);
  }
  FillSpan(left, right, top, Pen);
  FillSpan(left, right, bottom - 1, Pen);
}
