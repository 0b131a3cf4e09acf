#include "ui/guitar/neck_view.h"

#include <QLabel>
#include <QPainter>

#include "core/chordsheet/chord_line.h"
#include "core/guitar/neck_geometry.h"
#include "ui/guitar/fret_number_label.h"
#include "ui/guitar/neck_marker.h"
#include "ui/guitar/neck_picture.h"
#include "ui/guitar/pick_cursor.h"
#include "ui/qt_text.h"

namespace strumbly {

namespace {
// Label bands on the dark ground above and below the fingerboard.
constexpr int kChordNameTop = 9;
constexpr int kChordNameHeight = 24;
constexpr int kFretNumbersTop = 124;
constexpr int kFretNumbersHeight = 18;
}  // namespace

NeckView::NeckView(QWidget* parent) : QWidget(parent), color_(kDefaultMarkerColor), shape_(kDefaultMarkerShape) {
  setObjectName("shpNeckRect");
  setFixedSize(kNeckFrameWidth, kNeckFrameHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(PickCursor());

  picture_ = new NeckPicture(this);
  picture_->move(kNeckFrameBorder, kNeckFrameBorder);
  picture_->setToolTip(kNeckHint);
  picture_->setStatusTip(kNeckHint);

  chordName_ = MakePlain(new QLabel(picture_));
  chordName_->setObjectName("lblChordName");
  chordName_->setGeometry(0, kChordNameTop, kNeckPictureWidth, kChordNameHeight);
  chordName_->setAlignment(Qt::AlignCenter);
  QFont nameFont = chordName_->font();
  nameFont.setPixelSize(13);
  nameFont.setBold(true);
  chordName_->setFont(nameFont);
  QPalette pal = chordName_->palette();
  pal.setColor(QPalette::WindowText, Qt::white);
  chordName_->setPalette(pal);
  chordName_->setAutoFillBackground(false);
  chordName_->setToolTip(kChordNameHint);
  chordName_->setStatusTip(kChordNameHint);
  chordName_->hide();

  fretNumbers_ = new FretNumberLabel(picture_);
  fretNumbers_->setGeometry(0, kFretNumbersTop, kNeckPictureWidth, kFretNumbersHeight);
  fretNumbers_->hide();

  for (int k = 1; k <= kStrings; ++k) {
    for (int f = 0; f <= MaxFret; ++f) {
      auto* marker = new NeckMarker(k, f, picture_);
      const PixelRect r = MarkerRect(k, f);
      marker->setGeometry(r.x, r.y, r.width, r.height);
      marker->SetShape(shape_);
      marker->SetColorValue(color_);
      marker->setToolTip(kNeckHint);
      marker->setStatusTip(kNeckHint);
      connect(marker, &NeckMarker::pressed, this, &NeckView::markerPressed);
      connect(marker, &NeckMarker::released, this, &NeckView::markerReleased);
      markers_[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(f)] = marker;
    }
  }
}

NeckMarker* NeckView::Marker(int stringIndex, int fret) const {
  if (stringIndex < 0 || stringIndex >= kStrings || fret < 0 || fret > MaxFret) return nullptr;
  return markers_[static_cast<std::size_t>(stringIndex)][static_cast<std::size_t>(fret)];
}

void NeckView::ShowStringMarker(int stringIndex, int fret) {
  if (stringIndex < 0 || stringIndex >= kStrings || fret < NotPlayed || fret > MaxFret) return;
  // Every marker of the string is cleared and the fret's one filled; each
  // marker goes straight to its final state, so one that shows the same
  // note as before is not repainted.
  for (int j = MaxFret; j >= 0; --j) {
    NeckMarker* m = Marker(stringIndex, j);
    if (j == fret) {
      FillMarker(m);
    } else {
      m->SetFilled(false);
      m->SetShape(shape_);
    }
  }
}

void NeckView::ShowChordOnNeck(const std::array<std::int32_t, 6>& frets) {
  for (int i = 0; i < kStrings; ++i) ShowStringMarker(i, frets[static_cast<std::size_t>(i)]);
}

void NeckView::ClearNeck() {
  for (int i = 0; i < kStrings; ++i) ShowStringMarker(i, NotPlayed);
}

void NeckView::FillMarker(NeckMarker* marker) {
  if (!marker) return;
  marker->SetColorValue(color_);
  marker->SetShape(shape_);
  marker->SetFilled(true);
}

void NeckView::SetMarkerColor(std::uint32_t value) {
  color_ = value;
  for (auto& row : markers_)
    for (NeckMarker* m : row)
      if (m->IsFilled()) m->SetColorValue(value);
}

void NeckView::SetMarkerShape(int shape) {
  shape_ = shape;
  for (auto& row : markers_)
    for (NeckMarker* m : row)
      if (m->IsFilled()) m->SetShape(shape);
}

QWidget* NeckView::Picture() const { return picture_; }
QLabel* NeckView::FretNumbersLabel() const { return fretNumbers_; }

void NeckView::SetChordName(const QString& text) { chordName_->setText(text); }
void NeckView::SetChordNameVisible(bool visible) { chordName_->setVisible(visible); }
void NeckView::SetFretNumbersVisible(bool visible) { fretNumbers_->setVisible(visible); }

void NeckView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
}

}  // namespace strumbly
