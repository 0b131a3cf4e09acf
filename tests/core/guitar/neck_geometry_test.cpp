#include "core/guitar/neck_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace strumbly;

TEST(NeckGeometry, FretWiresFollowEqualTemperament) {
  EXPECT_DOUBLE_EQ(FretWireX(0), kNutRight);
  EXPECT_DOUBLE_EQ(FretWireX(kNeckFrets), kLastFretX);
  EXPECT_LT(FretWireX(kNeckFrets) + kFretWireWidth / 2, kNeckPictureWidth);
  // The scale length L: the nut-to-fret distance is L (1 - 2^(-n/12)), so
  // fret 12 sits at half the scale and each space is 2^(-1/12) of the one
  // before it.
  const double scale = (kLastFretX - kNutRight) / (1 - std::pow(2.0, -18.0 / 12));
  EXPECT_NEAR(FretWireX(12) - kNutRight, scale / 2, 1e-9);
  for (int n = 2; n <= kNeckFrets; ++n) {
    const double space = FretWireX(n) - FretWireX(n - 1);
    const double before = FretWireX(n - 1) - FretWireX(n - 2);
    EXPECT_NEAR(space / before, std::pow(2.0, -1.0 / 12), 1e-9) << n;
  }
}

TEST(NeckGeometry, MarkerRowsAreFixed) {
  for (int k = 1; k <= 6; ++k) {
    const PixelRect r = MarkerRect(k, 5);
    EXPECT_EQ(r.y, 47 + 10 * (k - 1));
    EXPECT_EQ(r.height, 12);
    EXPECT_DOUBLE_EQ(StringY(k), r.y + 6.0);  // the string runs through the row's middle
  }
}

TEST(NeckGeometry, MarkerColumnsCoverEachFretSpace) {
  // Open strings: left of the nut.
  const PixelRect open = MarkerRect(1, 0);
  EXPECT_EQ(open.x, 0);
  EXPECT_LE(open.x + open.width / 2.0 + kMarkerHeight / 2.0, kNutLeft);  // a circle stays off the nut
  for (int f = 1; f <= kNeckFrets; ++f) {
    const PixelRect r = MarkerRect(3, f);
    SCOPED_TRACE(f);
    // Between wire f - 1 (or the nut) and wire f, with no gap to its neighbours.
    EXPECT_EQ(r.x, MarkerRect(3, f - 1).right());
    EXPECT_NEAR(r.x, FretWireX(f - 1), 0.5);
    EXPECT_NEAR(r.right(), FretWireX(f), 0.5);
    EXPECT_NEAR(r.x + r.width / 2.0, FretSpaceCentreX(f), 1.0);
    // A circle as high as the marker fits in every column.
    EXPECT_GE(r.width, kMarkerHeight);
  }
  EXPECT_LE(MarkerRect(6, kNeckFrets).right(), kNeckPictureWidth);
  // Columns shrink up the neck as the fret spaces do.
  for (int f = 2; f <= kNeckFrets; ++f) EXPECT_LE(MarkerRect(1, f).width, MarkerRect(1, f - 1).width);
}

TEST(NeckGeometry, FrameSurroundsPicture) {
  EXPECT_EQ(kNeckPictureLeft, 5);
  EXPECT_EQ(kNeckPictureTop, 18);
  EXPECT_EQ(kNeckFrameWidth, 488);
  EXPECT_EQ(kNeckFrameHeight, 164);
  // Every marker lies on the picture.
  EXPECT_GE(MarkerRect(1, 0).y, 0);
  EXPECT_LE(MarkerRect(6, 0).bottom(), kNeckPictureHeight);
}
