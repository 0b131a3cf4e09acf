#include "ui/guitar/neck_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QThread>
#include <cmath>
#include <functional>
#include <map>

#include "core/guitar/neck_geometry.h"
#include "support/shots.h"
#include "ui/guitar/fret_number_label.h"
#include "ui/guitar/neck_marker.h"
#include "ui/guitar/neck_picture.h"
#include "ui/guitar/pick_cursor.h"

using namespace strumbly;

namespace {

using Frets = std::array<std::int32_t, 6>;
constexpr Frets kCMajor{0, 1, 0, 2, 3, -1};  // C, x, 3, 2, 0, 1, 0

// Which markers show a note, as (string number, fret) pairs.
std::vector<std::pair<int, int>> FilledMarkers(const NeckView& neck) {
  std::vector<std::pair<int, int>> filled;
  for (int s = 0; s < 6; ++s)
    for (int f = 0; f <= 18; ++f)
      if (neck.Marker(s, f)->IsFilled()) filled.emplace_back(s + 1, f);
  return filled;
}

// Counts paint events of every marker.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(NeckView& neck) {
    for (auto* m : neck.findChildren<NeckMarker*>()) m->installEventFilter(this);
  }
  std::map<QString, int> counts;
  int total() const {
    int n = 0;
    for (auto& [name, c] : counts) n += c;
    return n;
  }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++counts[o->objectName()];
    return false;
  }
};

void Settle() {
  // Window updates arrive through a timer; give them time to happen.
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < 80) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(2);
  }
}

QColor PixelAt(const QPixmap& pm, QPointF logical) {
  const QImage img = pm.toImage();
  const qreal dpr = pm.devicePixelRatio();
  return img.pixelColor(static_cast<int>(logical.x() * dpr), static_cast<int>(logical.y() * dpr));
}

// Centre of a marker in the neck view's coordinates.
QPointF MarkerCentre(const NeckView& neck, int s, int f) {
  const NeckMarker* m = neck.Marker(s, f);
  return QPointF(m->mapTo(&neck, QPoint(0, 0))) + QPointF(m->width() / 2.0, m->height() / 2.0);
}

}  // namespace

TEST(NeckView, FrameAndPictureAndMarkerGrid) {
  NeckView neck;
  EXPECT_EQ(neck.objectName(), "shpNeckRect");
  EXPECT_EQ(neck.size(), QSize(488, 164));
  ASSERT_NE(neck.Picture(), nullptr);
  EXPECT_EQ(neck.Picture()->objectName(), "imgAllFrets");
  EXPECT_EQ(neck.Picture()->geometry(), QRect(2, 2, 484, 160));

  const auto markers = neck.findChildren<NeckMarker*>();
  EXPECT_EQ(markers.size(), 114);
  for (int s = 0; s < 6; ++s)
    for (int f = 0; f <= 18; ++f) {
      const QString name = QString::asprintf("DOT_s%02d_f%02d", s + 1, f);
      auto* m = neck.findChild<NeckMarker*>(name);
      ASSERT_NE(m, nullptr) << name.toStdString();
      EXPECT_EQ(m, neck.Marker(s, f));
      EXPECT_EQ(m->StringNumber(), s + 1);
      EXPECT_EQ(m->Fret(), f);
      EXPECT_FALSE(m->IsFilled());
      // Placed by the fret geometry, in picture coordinates.
      const PixelRect r = MarkerRect(s + 1, f);
      EXPECT_EQ(m->mapTo(neck.Picture(), QPoint(0, 0)), QPoint(r.x, r.y));
      EXPECT_EQ(m->size(), QSize(r.width, r.height));
      EXPECT_EQ(m->toolTip(), "Use left mouse button to place and remove notes.");
      EXPECT_EQ(m->statusTip(), m->toolTip());
    }
  EXPECT_EQ(neck.Marker(6, 0), nullptr);
  EXPECT_EQ(neck.Marker(0, 19), nullptr);
  EXPECT_EQ(neck.Marker(-1, 0), nullptr);
  EXPECT_EQ(neck.Picture()->toolTip(), "Use left mouse button to place and remove notes.");
  // Our own pick cursor, over the neck and every marker.
  EXPECT_EQ(neck.cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(neck.Marker(3, 7)->cursor().shape(), Qt::BitmapCursor);
}

TEST(NeckView, CMajorFillsOneMarkerPerPlayedString) {
  NeckView neck;
  neck.ShowChordOnNeck(kCMajor);
  EXPECT_EQ(FilledMarkers(neck), (std::vector<std::pair<int, int>>{{1, 0}, {2, 1}, {3, 0}, {4, 2}, {5, 3}}));
  for (auto name : {"DOT_s01_f00", "DOT_s02_f01", "DOT_s03_f00", "DOT_s04_f02", "DOT_s05_f03"}) {
    auto* m = neck.findChild<NeckMarker*>(name);
    EXPECT_TRUE(m->IsFilled()) << name;
    EXPECT_EQ(m->ColorValue(), 16776960u);
    EXPECT_EQ(m->Shape(), kShapeCircle);
  }
  // Only the string left out is crossed at the nut, and only while a chord
  // shows: an empty neck and a chord of no notes show no crosses.
  for (int s = 0; s < 6; ++s) EXPECT_EQ(neck.Marker(s, 0)->IsMuted(), s == 5) << s;
  neck.ShowStringMarker(5, 3);
  EXPECT_FALSE(neck.Marker(5, 0)->IsMuted());
  neck.ShowStringMarker(0, -1);
  EXPECT_TRUE(neck.Marker(0, 0)->IsMuted());
  for (bool clear : {true, false}) {
    neck.ShowChordOnNeck(kCMajor);
    if (clear)
      neck.ClearNeck();
    else
      neck.ShowChordOnNeck({-1, -1, -1, -1, -1, -1});
    EXPECT_TRUE(FilledMarkers(neck).empty());
    for (int s = 0; s < 6; ++s) EXPECT_FALSE(neck.Marker(s, 0)->IsMuted()) << s;
  }
}

TEST(NeckView, AStringShowsAtMostOneMarker) {
  NeckView neck;
  neck.ShowStringMarker(2, 7);
  neck.ShowStringMarker(2, 3);
  EXPECT_EQ(FilledMarkers(neck), (std::vector<std::pair<int, int>>{{3, 3}}));
  neck.ShowStringMarker(2, -1);
  EXPECT_TRUE(FilledMarkers(neck).empty());
  neck.ShowStringMarker(5, 18);
  neck.ShowStringMarker(0, 0);
  EXPECT_EQ(FilledMarkers(neck), (std::vector<std::pair<int, int>>{{1, 0}, {6, 18}}));
}

TEST(NeckView, OutOfRangeCallsChangeNothing) {
  NeckView neck;
  neck.ShowChordOnNeck(kCMajor);
  neck.SetMarkerShape(kShapeSquare);  // a later ShowStringMarker would restyle the string
  neck.Marker(2, 5)->SetShape(kShapeEllipse);
  const auto before = FilledMarkers(neck);
  neck.ShowStringMarker(2, 19);
  neck.ShowStringMarker(2, -2);
  neck.ShowStringMarker(6, 0);
  neck.ShowStringMarker(-1, 0);
  neck.ShowStringMarker(2, 1000);
  EXPECT_EQ(FilledMarkers(neck), before);
  EXPECT_EQ(neck.Marker(2, 5)->Shape(), kShapeEllipse);
  // A chord with one bad fret changes the other strings only.
  neck.ShowChordOnNeck({5, 5, 20, 5, 5, 5});
  EXPECT_EQ(FilledMarkers(neck), (std::vector<std::pair<int, int>>{{1, 5}, {2, 5}, {3, 0}, {4, 5}, {5, 5}, {6, 5}}));
}

TEST(NeckView, ShapeAndColourFromSettings) {
  NeckView neck;
  neck.SetMarkerShape(kShapeSquare);
  neck.SetMarkerColor(0x0000FF);  // pure red
  neck.ShowChordOnNeck(kCMajor);
  NeckMarker* m = neck.Marker(4, 3);
  EXPECT_EQ(m->Shape(), kShapeSquare);
  EXPECT_EQ(m->ColorValue(), 0x0000FFu);
  // Each shape keeps to a band lower than the distance between strings, so
  // neighbouring strings' markers stay apart; rectangles keep off the wires.
  EXPECT_EQ(m->ShapeRect(), QRectF((m->width() - 8) / 2.0, 2, 8, 8));
  m->SetShape(kShapeRectangle);
  EXPECT_EQ(m->ShapeRect(), QRectF(2, 2, m->width() - 4, 8));
  m->SetShape(kShapeCircle);
  EXPECT_EQ(m->ShapeRect().size(), QSizeF(9, 9));
  m->SetShape(kShapeEllipse);
  EXPECT_EQ(m->ShapeRect().size(), QSizeF(m->width(), 9));
  for (int shape : {kShapeSquare, kShapeRectangle, kShapeCircle, kShapeRoundSquare}) {
    NeckMarker* upper = neck.Marker(2, 5);
    NeckMarker* lower = neck.Marker(3, 5);
    upper->SetShape(shape);
    lower->SetShape(shape);
    const QRectF a = upper->ShapeRect().translated(upper->pos());
    const QRectF b = lower->ShapeRect().translated(lower->pos());
    EXPECT_GE(b.top() - a.bottom(), 1.0) << shape;
  }
  m->SetShape(kShapeSquare);

  // Changing the settings restyles the markers that show a note.
  neck.SetMarkerShape(kShapeCircle);
  neck.SetMarkerColor(0x00FF00);
  for (auto [s, f] : FilledMarkers(neck)) {
    EXPECT_EQ(neck.Marker(s - 1, f)->Shape(), kShapeCircle);
    EXPECT_EQ(neck.Marker(s - 1, f)->ColorValue(), 0x00FF00u);
  }
  // Squares on neighbouring strings (an A chord) leave the neck between
  // them: the drawn picture shows no marker colour half-way between strings.
  neck.SetMarkerShape(kShapeSquare);
  neck.SetMarkerColor(0x0000FF);
  neck.ShowChordOnNeck({0, 2, 2, 2, 0, -1});
  const QPixmap squares = test::RenderAt(neck, 2.0);
  test::SaveShot(squares, "neck_square_markers");
  for (int s = 1; s <= 2; ++s) {
    const QPointF between = (MarkerCentre(neck, s, 2) + MarkerCentre(neck, s + 1, 2)) / 2;
    EXPECT_NE(PixelAt(squares, between), QColor(255, 0, 0)) << s;
    EXPECT_EQ(PixelAt(squares, MarkerCentre(neck, s, 2)), QColor(255, 0, 0)) << s;
  }
  EXPECT_EQ(ColorFromValue(16776960), QColor(0, 255, 255));
  EXPECT_EQ(ValueFromColor(QColor(1, 2, 3)), 0x030201u);
}

TEST(NeckView, DrawnMarkersShowTheirColourAndClearOnesTheNeck) {
  NeckView neck;
  neck.SetMarkerColor(0x0000FF);
  neck.SetMarkerShape(kShapeRectangle);
  neck.ShowChordOnNeck(kCMajor);
  const QPixmap empty = [] {
    NeckView bare;
    return bare.grab();
  }();
  const QPixmap shot = neck.grab();
  EXPECT_EQ(PixelAt(shot, MarkerCentre(neck, 3, 2)), QColor(255, 0, 0));
  EXPECT_EQ(PixelAt(shot, MarkerCentre(neck, 4, 3)), QColor(255, 0, 0));
  // A clear marker is invisible: the neck shows through unchanged.
  for (auto [s, f] : {std::pair{5, 12}, {0, 12}, {2, 7}})
    EXPECT_EQ(PixelAt(shot, MarkerCentre(neck, s, f)), PixelAt(empty, MarkerCentre(neck, s, f)));
  // At the nut: a ring in the marker colour for an open string, hollow in
  // the middle, and a light cross for the string the chord leaves out.
  const auto nutMark = [&](int s) {
    const NeckMarker* m = neck.Marker(s, 0);
    return QPointF(m->mapTo(&neck, QPoint(0, 0))) + m->NutMarkCentre();
  };
  EXPECT_EQ(PixelAt(shot, nutMark(0) + QPointF(3.6, 0)), QColor(255, 0, 0));
  EXPECT_EQ(PixelAt(shot, nutMark(0)), PixelAt(empty, nutMark(0)));
  EXPECT_GT(PixelAt(shot, nutMark(5)).lightness(), 200);
  EXPECT_LT(PixelAt(empty, nutMark(5)).lightness(), 200);
  test::SaveShot(test::RenderAt(neck, 2.0), "neck_nut_marks_rectangles");
  // The frame is black.
  EXPECT_EQ(PixelAt(shot, QPointF(0.5, 80)), QColor(Qt::black));
  EXPECT_EQ(PixelAt(shot, QPointF(487.5, 163.5)), QColor(Qt::black));
}

TEST(NeckView, RepaintsOnlyMarkersThatChanged) {
  NeckView neck;
  neck.show();
  neck.ShowChordOnNeck(kCMajor);
  Settle();
  PaintCounter counter(neck);
  neck.ShowChordOnNeck(kCMajor);
  Settle();
  EXPECT_EQ(counter.total(), 0);

  // Moving string 1 from the open string to fret 3 repaints the area of the
  // two markers (and of what overlaps it) only.
  neck.ShowChordOnNeck({3, 1, 0, 2, 3, -1});
  Settle();
  EXPECT_GE(counter.counts["DOT_s01_f00"], 1);
  EXPECT_GE(counter.counts["DOT_s01_f03"], 1);
  for (auto& [name, n] : counter.counts) {
    const int s = name.mid(5, 2).toInt();
    const int f = name.mid(9, 2).toInt();
    EXPECT_TRUE(s <= 2 && f <= 3) << name.toStdString();
  }
}

TEST(NeckView, MarkerMouseButtonsReachTheNeck) {
  NeckView neck;
  std::vector<std::pair<NeckMarker*, Qt::MouseButton>> pressed, released;
  QObject::connect(&neck, &NeckView::markerPressed,
                   [&](NeckMarker* m, Qt::MouseButton b) { pressed.emplace_back(m, b); });
  QObject::connect(&neck, &NeckView::markerReleased,
                   [&](NeckMarker* m, Qt::MouseButton b) { released.emplace_back(m, b); });
  NeckMarker* m = neck.Marker(0, 3);
  QMouseEvent down(QEvent::MouseButtonPress, QPointF(5, 5), m->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(m, &down);
  QMouseEvent up(QEvent::MouseButtonRelease, QPointF(5, 5), m->mapToGlobal(QPointF(5, 5)), Qt::MiddleButton,
                 Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(m, &up);
  ASSERT_EQ(pressed.size(), 1);
  EXPECT_EQ(pressed[0], std::make_pair(m, Qt::LeftButton));
  ASSERT_EQ(released.size(), 1);
  EXPECT_EQ(released[0], std::make_pair(m, Qt::MiddleButton));
  // A press alone fills nothing; placing notes is the window's business.
  EXPECT_FALSE(m->IsFilled());
  neck.FillMarker(m);
  EXPECT_TRUE(m->IsFilled());
  EXPECT_EQ(m->ColorValue(), neck.MarkerColor());
}

TEST(NeckView, Labels) {
  NeckView neck;
  QLabel* name = neck.findChild<QLabel*>("lblChordName");
  QLabel* frets = neck.findChild<QLabel*>("lblFretNumbers");
  ASSERT_TRUE(name && frets);
  EXPECT_EQ(name, neck.ChordNameLabel());
  EXPECT_EQ(frets, neck.FretNumbersLabel());
  EXPECT_TRUE(name->isHidden());
  EXPECT_TRUE(frets->isHidden());
  neck.SetChordNameVisible(true);
  neck.SetFretNumbersVisible(true);
  EXPECT_FALSE(name->isHidden());
  EXPECT_FALSE(frets->isHidden());
  EXPECT_EQ(name->toolTip(), "Chord name.");
  EXPECT_EQ(name->alignment(), Qt::AlignCenter);
  EXPECT_EQ(name->font().pixelSize(), 13);
  EXPECT_EQ(name->palette().color(QPalette::WindowText), QColor(Qt::white));
  EXPECT_FALSE(name->autoFillBackground());
  // The chord name lies over the picture, the numbers below the fingerboard.
  EXPECT_TRUE(neck.Picture()->rect().contains(name->geometry()));
  EXPECT_GE(frets->y(), kBoardBottomAtEnd);
  EXPECT_LE(frets->geometry().bottom(), kNeckPictureHeight);
  EXPECT_LE(name->geometry().bottom(), kBoardTopAtEnd);

  neck.SetChordName("Am7");
  EXPECT_EQ(name->text(), "Am7");

  // Each number is centred under its own fret space; check the drawn ink.
  auto* numbers = static_cast<FretNumberLabel*>(frets);
  neck.SetChordNameVisible(false);
  const QImage withNumbers = neck.grab().toImage();
  neck.SetFretNumbersVisible(false);
  const QImage without = neck.grab().toImage();
  const QPoint origin = frets->mapTo(&neck, QPoint(0, 0));
  for (int f = 1; f <= 18; ++f) {
    const double centre = FretSpaceCentreX(f);
    EXPECT_DOUBLE_EQ(numbers->NumberCentreX(f), centre);
    // The ink of number f lies within its fret space.
    int lo = 10000, hi = -1;
    const int from = static_cast<int>(FretWireX(f - 1)) + 1, to = static_cast<int>(FretWireX(f));
    for (int x = from; x < to; ++x)
      for (int y = 0; y < frets->height(); ++y)
        if (withNumbers.pixel(origin.x() + x, origin.y() + y) != without.pixel(origin.x() + x, origin.y() + y)) {
          lo = std::min(lo, x);
          hi = std::max(hi, x);
        }
    ASSERT_GE(hi, lo) << "no ink for fret " << f;
    EXPECT_NEAR((lo + hi + 1) / 2.0, centre, 2.0) << "fret " << f;
    // Neighbouring numbers stay apart, even the narrow high frets' ones.
    if (f < 18) {
      const int wire = static_cast<int>(std::lround(FretWireX(f)));
      for (int x = wire - 1; x <= wire; ++x)
        for (int y = 0; y < frets->height(); ++y)
          EXPECT_EQ(withNumbers.pixel(origin.x() + x, origin.y() + y), without.pixel(origin.x() + x, origin.y() + y))
              << "fret " << f << " runs into the next at x " << x;
    }
  }
}

TEST(NeckView, CrispAtTwiceThePixelRatio) {
  NeckView neck;
  neck.ShowChordOnNeck(kCMajor);
  neck.SetChordName("C");
  neck.SetChordNameVisible(true);
  neck.SetFretNumbersVisible(true);
  const QPixmap one = test::RenderAt(neck, 1.0);
  const QPixmap two = test::RenderAt(neck, 2.0);
  test::SaveShot(one, "neck_dpr1");
  test::SaveShot(two, "neck_dpr2");
  ASSERT_EQ(two.size(), QSize(976, 328));
  // The picture is drawn anew at the higher ratio, not scaled up: a scaled
  // copy would consist of uniform 2 x 2 blocks only.
  auto* picture = static_cast<NeckPicture*>(neck.Picture());
  const QImage hi = picture->Rendering(2.0).toImage();
  EXPECT_EQ(hi.size(), QSize(968, 320));
  EXPECT_EQ(hi.devicePixelRatio(), 2.0);
  int detailed = 0;
  for (int y = 0; y + 1 < hi.height(); y += 2)
    for (int x = 0; x + 1 < hi.width(); x += 2) {
      const QRgb c = hi.pixel(x, y);
      if (hi.pixel(x + 1, y) != c || hi.pixel(x, y + 1) != c || hi.pixel(x + 1, y + 1) != c) ++detailed;
    }
  EXPECT_GT(detailed, hi.width() * hi.height() / 4 / 4);
  // Filled markers keep their colour at 2x.
  EXPECT_EQ(PixelAt(two, MarkerCentre(neck, 4, 3)), QColor(0, 255, 255));
  EXPECT_EQ(PixelAt(two, MarkerCentre(neck, 0, 0)), QColor(0, 255, 255));
}

TEST(NeckView, PickCursorTipIsTheHotSpot) {
  const QPixmap pick = PickPixmap(2.0);
  test::SaveShot(pick, "neck_pick_cursor");
  EXPECT_EQ(pick.size(), QSize(64, 64));
  const QImage img = pick.toImage();
  auto opaque = [&](qreal x, qreal y) {
    return qAlpha(img.pixel(static_cast<int>(x * 2), static_cast<int>(y * 2))) > 128;
  };
  EXPECT_TRUE(opaque(2.5, 2.5));  // the tip
  EXPECT_TRUE(opaque(20, 20));    // the body
  EXPECT_FALSE(opaque(29, 3));    // beside the tip
  EXPECT_FALSE(opaque(3, 29));
  const QCursor cursor = PickCursor();
  EXPECT_EQ(cursor.hotSpot(), QPoint(2, 2));
}
