#include "ui/guitar/neck_view.h"

#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cmath>

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
// Past this the neck stops growing and the room goes to the editor.
constexpr qreal kMaxNeckScale = 2.5;

// The capo: a rubber-padded metal bar across the strings.
class CapoBarWidget : public QWidget {
 public:
  explicit CapoBarWidget(QWidget* parent) : QWidget(parent) {
    setObjectName("shpCapo");
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient metal(r.topLeft(), r.topRight());
    metal.setColorAt(0.0, QColor(96, 98, 104));
    metal.setColorAt(0.45, QColor(224, 226, 232));
    metal.setColorAt(1.0, QColor(120, 122, 128));
    p.setPen(QPen(QColor(24, 24, 28), 1));
    p.setBrush(metal);
    const qreal radius = r.width() / 3;
    p.drawRoundedRect(r, radius, radius);
  }
};
}  // namespace

NeckView::NeckView(QWidget* parent) : QWidget(parent), color_(kDefaultMarkerColor), shape_(kDefaultMarkerShape) {
  setObjectName("shpNeckRect");
  // The neck grows with the room it is given, keeping its proportions; it
  // never shrinks below its own size.
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
  setMinimumSize(kNeckFrameWidth, kNeckFrameHeight);
  resize(kNeckFrameWidth, kNeckFrameHeight);
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
  fretNumbers_->hide();

  // Made before the markers, so they lie over it.
  capoBar_ = new CapoBarWidget(picture_);
  capoBar_->hide();

  for (int k = 1; k <= kStrings; ++k) {
    for (int f = 0; f <= MaxFret; ++f) {
      auto* marker = new NeckMarker(k, f, picture_);
      marker->SetShape(shape_);
      marker->SetColorValue(color_);
      marker->setToolTip(kNeckHint);
      marker->setStatusTip(kNeckHint);
      connect(marker, &NeckMarker::pressed, this, &NeckView::markerPressed);
      connect(marker, &NeckMarker::released, this, &NeckView::markerReleased);
      markers_[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(f)] = marker;
    }
  }
  PlaceParts(1.0);
}

QSize NeckView::sizeHint() const { return {kNeckFrameWidth, kNeckFrameHeight}; }
QSize NeckView::minimumSizeHint() const { return sizeHint(); }
bool NeckView::hasHeightForWidth() const { return true; }
int NeckView::heightForWidth(int width) const {
  const qreal scale = std::clamp(width / static_cast<qreal>(kNeckFrameWidth), 1.0, kMaxNeckScale);
  return static_cast<int>(std::lround(kNeckFrameHeight * scale));
}

// The frame, the picture, the labels and every marker at the neck's scale.
void NeckView::PlaceParts(qreal scale) {
  scale_ = scale;
  auto scaled = [scale](qreal x, qreal y, qreal w, qreal h) {
    const int left = static_cast<int>(std::lround(x * scale));
    const int top = static_cast<int>(std::lround(y * scale));
    return QRect(left, top, static_cast<int>(std::lround((x + w) * scale)) - left,
                 static_cast<int>(std::lround((y + h) * scale)) - top);
  };
  frame_ = scaled(0, 0, kNeckFrameWidth, kNeckFrameHeight);
  picture_->setGeometry(scaled(kNeckFrameBorder, kNeckFrameBorder, kNeckPictureWidth, kNeckPictureHeight));
  picture_->SetScale(scale);
  chordName_->setGeometry(scaled(0, kChordNameTop, kNeckPictureWidth, kChordNameHeight));
  QFont nameFont = chordName_->font();
  nameFont.setPixelSize(std::max(1, static_cast<int>(std::lround(13 * scale))));
  chordName_->setFont(nameFont);
  fretNumbers_->setGeometry(scaled(0, kFretNumbersTop, kNeckPictureWidth, kFretNumbersHeight));
  fretNumbers_->SetScale(scale);
  PlaceCapoBar();
  for (int k = 1; k <= kStrings; ++k)
    for (int f = 0; f <= MaxFret; ++f) {
      NeckMarker* marker = markers_[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(f)];
      const PixelRect r = MarkerRect(k, f);
      marker->setGeometry(scaled(r.x, r.y, r.width, r.height));
      marker->SetScale(scale);
    }
  update();
}

void NeckView::resizeEvent(QResizeEvent*) {
  const qreal scale = std::clamp(
      std::min(width() / static_cast<qreal>(kNeckFrameWidth), height() / static_cast<qreal>(kNeckFrameHeight)), 1.0,
      kMaxNeckScale);
  if (scale != scale_ || frame_.isEmpty()) PlaceParts(scale);
}

NeckMarker* NeckView::Marker(int stringIndex, int fret) const {
  if (stringIndex < 0 || stringIndex >= kStrings || fret < 0 || fret > MaxFret) return nullptr;
  return markers_[static_cast<std::size_t>(stringIndex)][static_cast<std::size_t>(fret)];
}

void NeckView::ShowStringMarker(int stringIndex, int fret) {
  SetStringMarker(stringIndex, fret);
  UpdateNutMarks();
}

void NeckView::SetStringMarker(int stringIndex, int written) {
  if (stringIndex < 0 || stringIndex >= kStrings || written < NotPlayed || written > MaxFret) return;
  written_[static_cast<std::size_t>(stringIndex)] = written;
  const int fret = written == NotPlayed || written + capo_ > MaxFret ? NotPlayed : written + capo_;
  // Every marker of the string is cleared and the fret's one filled; each
  // marker goes straight to its final state, so one that shows the same
  // note as before is not repainted.
  for (int j = MaxFret; j >= 0; --j) {
    NeckMarker* m = Marker(stringIndex, j);
    if (j == fret) {
      m->SetColorValue(color_);
      m->SetShape(shape_);
      m->SetFilled(true);
    } else {
      m->SetFilled(false);
      m->SetShape(shape_);
    }
  }
}

// A string that the chord leaves out shows a cross at the nut. A neck
// showing no note at all (no chord) shows no crosses either.
void NeckView::UpdateNutMarks() {
  bool anyPlayed = false;
  std::array<bool, kStrings> played{};
  for (std::size_t i = 0; i < markers_.size(); ++i)
    for (NeckMarker* m : markers_[i])
      if (m->IsFilled()) played[i] = anyPlayed = true;
  for (std::size_t i = 0; i < markers_.size(); ++i) markers_[i][0]->SetMuted(anyPlayed && !played[i]);
}

void NeckView::ShowChordOnNeck(const std::array<std::int32_t, 6>& frets) {
  for (int i = 0; i < kStrings; ++i) SetStringMarker(i, frets[static_cast<std::size_t>(i)]);
  UpdateNutMarks();
}

void NeckView::ClearNeck() {
  for (int i = 0; i < kStrings; ++i) SetStringMarker(i, NotPlayed);
  UpdateNutMarks();
}

void NeckView::FillMarker(NeckMarker* marker) {
  if (!marker) return;
  if (marker->Fret() >= capo_) written_[static_cast<std::size_t>(marker->StringNumber() - 1)] = marker->Fret() - capo_;
  marker->SetColorValue(color_);
  marker->SetShape(shape_);
  marker->SetFilled(true);
  UpdateNutMarks();
}

void NeckView::PlaceCapoBar() {
  if (capo_ <= 0) return;
  const PixelRect c = CapoRect(capo_);
  const int left = static_cast<int>(std::lround(c.x * scale_)), top = static_cast<int>(std::lround(c.y * scale_));
  capoBar_->setGeometry(left, top, static_cast<int>(std::lround(c.right() * scale_)) - left,
                        static_cast<int>(std::lround(c.bottom() * scale_)) - top);
}

void NeckView::SetCapo(int capo) {
  capo = std::clamp(capo, 0, MaxFret);
  if (capo == capo_) return;
  capo_ = capo;
  capoBar_->setVisible(capo_ > 0);
  PlaceCapoBar();
  const std::array<int, kStrings> written = written_;
  for (int i = 0; i < kStrings; ++i) SetStringMarker(i, written[static_cast<std::size_t>(i)]);
  UpdateNutMarks();
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

// The frame around the picture belongs to the window, so it takes the
// desktop's colours: the text colour, which stands out on light and dark
// themes alike.
void NeckView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(frame_, palette().color(QPalette::WindowText));
}

}  // namespace strumbly
