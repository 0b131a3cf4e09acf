#include "ui/chordsheet/note_pictures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "support/shots.h"

using namespace strumbly;

namespace {

constexpr NoteValue kAll[kNoteValueCount] = {NoteValue::Whole,      NoteValue::Half,      NoteValue::Quarter,
                                             NoteValue::Eighth,     NoteValue::Sixteenth, NoteValue::ThirtySecond,
                                             NoteValue::SixtyFourth};

bool Ink(const QImage& img, int x, int y) { return qAlpha(img.pixel(x, y)) > 128; }

// Separate runs of ink down one column, from the top to row `end`.
int InkRuns(const QImage& img, int x, int end) {
  int runs = 0;
  bool inside = false;
  for (int y = 0; y < end; ++y) {
    const bool ink = Ink(img, x, y);
    if (ink && !inside) ++runs;
    inside = ink;
  }
  return runs;
}

}  // namespace

// Pictures at twice the design size: 1 design unit = 2 pixels.
TEST(NotePictures, HeadsStemsAndFlags) {
  QPixmap sheet(7 * 40, 64);
  sheet.fill(Qt::white);
  QPainter sheetPainter(&sheet);
  for (NoteValue v : kAll) {
    const QImage img = NotePixmap(v, QSize(32, 56), 1.0).toImage();
    sheetPainter.drawImage(static_cast<int>(v) * 40 + 4, 4, img);
    SCOPED_TRACE(static_cast<int>(v));
    ASSERT_EQ(img.size(), QSize(32, 56));
    // The head sits at the bottom left: hollow for whole and half notes.
    const bool hollow = v == NoteValue::Whole || v == NoteValue::Half;
    EXPECT_EQ(Ink(img, 12, 46), !hollow);
    EXPECT_TRUE(Ink(img, 12 - 8, 46) || Ink(img, 12 + 7, 46) || Ink(img, 12, 46 - 5));
    // The stem rises right of the head, except on a whole note.
    EXPECT_EQ(Ink(img, 18, 24), v != NoteValue::Whole);
    // Flags hang right of the stem.
    EXPECT_EQ(InkRuns(img, 22, 38), NoteFlagCount(v));
  }
  sheetPainter.end();
  test::SaveShot(sheet, "neck_note_pictures");
}

TEST(NotePictures, IconsCarryBothPixelRatios) {
  const QIcon icon = NoteIcon(NoteValue::Quarter, QSize(16, 24));
  EXPECT_EQ(icon.availableSizes().size(), 2);
  const QPixmap hi = NotePixmap(NoteValue::Quarter, QSize(16, 24), 2.0);
  EXPECT_EQ(hi.size(), QSize(32, 48));
  EXPECT_EQ(hi.devicePixelRatio(), 2.0);
  // Drawn anew at 2x: the same picture as the 1x drawing of twice the size.
  EXPECT_EQ(hi.toImage().convertToFormat(QImage::Format_ARGB32),
            NotePixmap(NoteValue::Quarter, QSize(32, 48), 1.0).toImage().convertToFormat(QImage::Format_ARGB32));
}

TEST(NotePictures, ArrowsPointTheirWay) {
  const QImage right = ArrowPixmap(ArrowDirection::Right, QSize(20, 16), 1.0).toImage();
  const QImage left = ArrowPixmap(ArrowDirection::Left, QSize(20, 16), 1.0).toImage();
  const QImage mirrored = right.mirrored(true, false);
  int differing = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 20; ++x) differing += Ink(left, x, y) != Ink(mirrored, x, y);
  EXPECT_LE(differing, 2);
  // The head is tall near its tip side, the shaft thin at the far end.
  EXPECT_TRUE(Ink(right, 12, 3));
  EXPECT_FALSE(Ink(right, 3, 3));
  EXPECT_TRUE(Ink(right, 3, 8));
  EXPECT_TRUE(Ink(left, 7, 3));
  EXPECT_FALSE(Ink(left, 16, 3));
  EXPECT_EQ(ArrowIcon(ArrowDirection::Left).availableSizes().size(), 2);
}
