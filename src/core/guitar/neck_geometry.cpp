#include "core/guitar/neck_geometry.h"

#include <algorithm>
#include <cmath>

namespace strumbly {

double FretWireX(int n) {
  if (n <= 0) return kNutRight;
  const auto part = [](int k) { return 1.0 - std::pow(2.0, -k / 12.0); };
  return kNutRight + (kLastFretX - kNutRight) * part(n) / part(kNeckFrets);
}

double FretSpaceCentreX(int fret) {
  if (fret <= 0) return (0.0 + kNutRight) / 2.0;
  return (FretWireX(fret - 1) + FretWireX(fret)) / 2.0;
}

double StringY(int stringNumber) { return MarkerRowTop(stringNumber) + kMarkerHeight / 2.0; }

PixelRect MarkerRect(int stringNumber, int fret) {
  const int left = fret <= 0 ? 0 : static_cast<int>(std::lround(FretWireX(fret - 1)));
  const int right = static_cast<int>(std::lround(FretWireX(fret)));
  return {left, MarkerRowTop(stringNumber), right - left, kMarkerHeight};
}

PixelRect CapoRect(int fret) {
  const double left = FretWireX(fret - 1), right = FretWireX(fret);
  const double centre = (left + right) / 2;
  const double width = std::clamp((right - left) * 0.45, 6.0, 12.0);
  // The board's edges where the bar lies, a little wider.
  const double along = (centre - kNutRight) / (kLastFretX - kNutRight);
  const double top = kBoardTopAtNut + (kBoardTopAtEnd - kBoardTopAtNut) * along - 3;
  const double bottom = kBoardBottomAtNut + (kBoardBottomAtEnd - kBoardBottomAtNut) * along + 3;
  const int x = static_cast<int>(std::lround(centre - width / 2));
  const int y = static_cast<int>(std::lround(top));
  return {x, y, static_cast<int>(std::lround(centre + width / 2)) - x, static_cast<int>(std::lround(bottom)) - y};
}

}  // namespace strumbly
