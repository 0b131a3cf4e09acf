#pragma once
// Where things lie on the drawn guitar neck. Coordinates are pixels relative
// to the top left corner of the neck picture unless a name says otherwise.
#include <array>

namespace strumbly {

inline constexpr int kNeckPictureWidth = 484;
inline constexpr int kNeckPictureHeight = 160;
// The black frame around the picture and their places in the main window.
inline constexpr int kNeckFrameBorder = 2;
inline constexpr int kNeckFrameLeft = 3;
inline constexpr int kNeckFrameTop = 16;
inline constexpr int kNeckFrameWidth = kNeckPictureWidth + 2 * kNeckFrameBorder;
inline constexpr int kNeckFrameHeight = kNeckPictureHeight + 2 * kNeckFrameBorder;
inline constexpr int kNeckPictureLeft = kNeckFrameLeft + kNeckFrameBorder;
inline constexpr int kNeckPictureTop = kNeckFrameTop + kNeckFrameBorder;

inline constexpr int kNeckFrets = 18;  // fret wires after the nut
inline constexpr int kMarkerHeight = 12;
inline constexpr int kFirstMarkerRowTop = 47;
inline constexpr int kMarkerRowStep = 10;

// The nut spans kNutLeft..kNutRight; the open-string area lies left of it.
inline constexpr double kNutLeft = 28.0;
inline constexpr double kNutRight = 34.0;
// Centre of the last fret wire.
inline constexpr double kLastFretX = 477.0;
inline constexpr double kFretWireWidth = 3.0;

// The fingerboard's vertical extent at the nut and at the right edge (the
// neck widens slightly towards the body).
inline constexpr double kBoardTopAtNut = 42.0;
inline constexpr double kBoardBottomAtNut = 114.0;
inline constexpr double kBoardTopAtEnd = 39.0;
inline constexpr double kBoardBottomAtEnd = 117.0;

struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
  int right() const { return x + width; }    // exclusive
  int bottom() const { return y + height; }  // exclusive
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Centre of fret wire n (1 to 18); n = 0 is the face of the nut. The distance
// from the nut grows as 1 - 2^(-n/12), scaled so that wire 18 lies at
// kLastFretX.
double FretWireX(int n);

// Centre of the space in which a finger presses the fret: for fret 0 the
// middle of the open-string area, otherwise between wires fret - 1 and fret.
double FretSpaceCentreX(int fret);

// The centre line of string 1 (top) to 6 (bottom).
double StringY(int stringNumber);

// Top of the marker row of string 1 to 6.
inline constexpr int MarkerRowTop(int stringNumber) { return kFirstMarkerRowTop + kMarkerRowStep * (stringNumber - 1); }

// The marker of string 1..6 at fret 0..18: its row, and the column of the
// fret's finger space. Neighbouring columns meet without gap or overlap;
// fret 0 covers the open-string area and the nut.
PixelRect MarkerRect(int stringNumber, int fret);

// The capo across fret 1 to 18: a bar over all six strings in the middle of
// the fret's space, reaching a little past the fingerboard's edges.
PixelRect CapoRect(int fret);

// Frets whose space carries an inlay dot; fret 12 carries two.
inline constexpr std::array<int, 7> kInlayFrets = {3, 5, 7, 9, 12, 15, 17};

}  // namespace strumbly
