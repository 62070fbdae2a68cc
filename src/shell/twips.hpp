#pragma once
// Window geometry is designed in twips (1/1440 inch): 15 twips are one pixel at
// 96 dpi. Screens with another logical dpi scale every position alike.

#include <QPoint>
#include <QRect>
#include <cmath>

namespace vaporel {

inline constexpr int kTwipsPerPixel = 15;

class Twips {
 public:
  // scale = the screen's logical dpi / 96.
  explicit Twips(double scale = 1.0) : scale_(scale) {}

  double scale() const { return scale_; }
  int toPixels(int twips) const { return static_cast<int>(std::lround(twips * scale_ / kTwipsPerPixel)); }
  QRect rect(int left, int top, int width, int height) const {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
  }
  // Logical pixels back to twips, as the settings store records the placement.
  int fromPixels(int pixels) const { return static_cast<int>(std::lround(pixels * kTwipsPerPixel / scale_)); }

 private:
  double scale_;
};

}  // namespace vaporel
