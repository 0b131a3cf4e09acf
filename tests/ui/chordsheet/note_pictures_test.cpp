#include "ui/chordsheet/note_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>

#include "support/main_window_fixture.h"
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

TEST(NotePictures, IconsAreDrawnAnewAtTheirPixelRatio) {
  const QIcon icon = NoteIcon(NoteValue::Quarter, QSize(16, 24));
  const QPixmap hi = NotePixmap(NoteValue::Quarter, QSize(16, 24), 2.0);
  EXPECT_EQ(hi.size(), QSize(32, 48));
  EXPECT_EQ(hi.devicePixelRatio(), 2.0);
  // Drawn anew at 2x: the same picture as the 1x drawing of twice the size.
  EXPECT_EQ(hi.toImage().convertToFormat(QImage::Format_ARGB32),
            NotePixmap(NoteValue::Quarter, QSize(32, 48), 1.0).toImage().convertToFormat(QImage::Format_ARGB32));
  // The icon gives that drawing, in the palette's button text colour.
  const QPixmap shown = icon.pixmap(QSize(16, 24), 2.0);
  EXPECT_EQ(shown.devicePixelRatio(), 2.0);
  EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_ARGB32),
            NotePixmap(NoteValue::Quarter, QSize(32, 48), 1.0, IconInk(QIcon::Normal))
                .toImage()
                .convertToFormat(QImage::Format_ARGB32));
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
}

namespace {

// Relative luminance and contrast ratio as accessibility guides reckon them.
double Luminance(QColor c) {
  const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
double Contrast(QColor a, QColor b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast between a button's face (its commonest colour) and the
// strongest ink of the glyph on it.
double GlyphContrast(QPushButton* button) {
  const QImage img = button->grab().toImage();
  std::map<QRgb, int> counts;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) ++counts[img.pixel(x, y)];
  QRgb face = 0;
  int most = 0;
  for (auto [c, n] : counts)
    if (n > most) std::tie(face, most) = std::tie(c, n);
  double best = 1.0;
  const QRect glyph = img.rect().adjusted(img.width() / 4, img.height() / 4, -img.width() / 4, -img.height() / 4);
  for (int y = glyph.top(); y <= glyph.bottom(); ++y)
    for (int x = glyph.left(); x <= glyph.right(); ++x)
      best = std::max(best, Contrast(QColor(face), QColor(img.pixel(x, y))));
  return best;
}

QPalette DarkPalette() {
  QPalette dark(QColor(53, 53, 53), QColor(45, 45, 45));
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  dark.setColor(QPalette::Text, QColor(230, 230, 230));
  return dark;
}

// The window starts on a dark desktop palette.
class DarkDesktopTest : public test::MainWindowTest {
 protected:
  void SetUp() override {
    saved_ = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    MainWindowTest::SetUp();
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    QApplication::setPalette(saved_);
  }

 private:
  QPalette saved_;
};

}  // namespace

// The glyphs we draw ourselves stand out on a dark palette, and follow the
// palette when the desktop changes it.
TEST_F(DarkDesktopTest, ButtonGlyphsStayVisibleAndFollowThePalette) {
  TfrmMain& w = *window;
  Sheet(test::kCMajor, 0);
  w.resize(w.sizeHint().expandedTo(w.minimumSize()));
  test::SaveShot(w.grab(), "looks_main_window_dark");
  std::vector<QPushButton*> buttons(w.durationButtons.begin(), w.durationButtons.end());
  for (QPushButton* b : {w.btnShiftLeft, w.btnShiftRight, w.btnPrev, w.btnNext}) buttons.push_back(b);
  for (bool dark : {true, false}) {
    if (!dark) {
      QApplication::setPalette(QPalette(QColor(239, 239, 239), QColor(239, 239, 239)));
      QApplication::processEvents();  // the widgets hear of it through posted events
    }
    for (QPushButton* b : buttons) EXPECT_GE(GlyphContrast(b), 3.0) << b->objectName().toStdString() << " " << dark;
  }
}
