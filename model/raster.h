#pragma once

#include <cstdint>
#include <vector>

// An RGB colour of the plots.
struct RgbColour {
  std::uint8_t Red;
  std::uint8_t Green;
  std::uint8_t Blue;

  friend bool operator==(RgbColour, RgbColour) = default;
};

namespace Colours {
inline constexpr RgbColour Black{0, 0, 0};
inline constexpr RgbColour White{255, 255, 255};
inline constexpr RgbColour Red{255, 0, 0};
inline constexpr RgbColour Green{0, 255, 0};
inline constexpr RgbColour Blue{0, 0, 255};
}  // namespace Colours

// A plot's pixels, drawn like a classic canvas: x grows to the right, y downwards, (0, 0) is the
// top-left pixel. Drawing outside the raster is clipped silently. A new raster is white, with a
// black pen and a white brush, and the pen at (0, 0).
class Raster {
 public:
  Raster(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && x < width_ && y >= 0 && y < height_; }

  // The pixel at (x, y), which must lie inside the raster.
  RgbColour Pixel(int x, int y) const;
  // All pixels, row by row from the top.
  const std::vector<RgbColour>& Pixels() const { return pixels_; }

  RgbColour Pen = Colours::Black;    // lines and rectangle outlines
  RgbColour Brush = Colours::White;  // rectangle interiors

  void SetPixel(int x, int y, RgbColour colour);

  // Moves the pen to (x, y) without drawing.
  void MoveTo(int x, int y);
  // Draws with the pen from the pen position to (x, y), the end point excluded, and moves the
  // pen there; so a polyline of LineTo calls sets each shared vertex once.
  void LineTo(int x, int y);

  // Outlines the rectangle with the pen and fills its inside with the brush. The right and
  // bottom edges are exclusive: the outline runs along columns left and right - 1 and rows top
  // and bottom - 1. Nothing is drawn unless right > left and bottom > top.
  void Rectangle(int left, int top, int right, int bottom);

 private:
  void FillSpan(int left, int right, int y, RgbColour colour);  // columns left..right - 1

  int width_;
  int height_;
  std::vector<RgbColour> pixels_;
  int penX_ = 0;
  int penY_ = 0;
};
