#include "ui/guitar/marker_sample.h"

#include <QPainter>

#include "core/guitar/neck_geometry.h"
#include "ui/guitar/neck_marker.h"
#include "ui/guitar/neck_picture.h"

namespace strumbly {

namespace {
// The part of the neck picture shown: the nut and the first four frets.
constexpr int kSampleLeft = 0;
constexpr int kSampleTop = 28;
constexpr int kSampleHeight = 104;
constexpr int kSampleMarkerHeight = 11;

// Where the samples sit: string, fret (a C chord's three fingers).
constexpr std::array<std::array<int, 2>, 3> kSamplePlaces = {{{2, 1}, {4, 2}, {5, 3}}};

int SampleWidth() { return MarkerRect(1, 4).right() + 6; }
}  // namespace

MarkerSample::MarkerSample(QWidget* parent) : QWidget(parent) {
  setObjectName("imgSample");
  setFixedSize(SampleWidth(), kSampleHeight);
  for (std::size_t i = 0; i < markers_.size(); ++i) {
    const auto [stringNumber, fret] = kSamplePlaces[i];
    auto* m = new NeckMarker(stringNumber, fret, this);
    m->setObjectName(QString("shpSampleMarker%1").arg(i + 1));
    const PixelRect r = MarkerRect(stringNumber, fret);
    m->setGeometry(r.x - kSampleLeft, r.y - kSampleTop, r.width, kSampleMarkerHeight);
    m->SetFilled(true);
    m->setAttribute(Qt::WA_TransparentForMouseEvents);
    markers_[i] = m;
  }
}

QSize MarkerSample::sizeHint() const { return {SampleWidth(), kSampleHeight}; }

void MarkerSample::SetColorValue(std::uint32_t value) {
  for (NeckMarker* m : markers_) m->SetColorValue(value);
}

void MarkerSample::SetShape(int shape) {
  for (NeckMarker* m : markers_) m->SetShape(shape);
}

// The neck is drawn when the sample is first seen, so making the dialog at
// start-up costs nothing for it.
void MarkerSample::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (picture_.isNull() || picture_.devicePixelRatio() != devicePixelRatioF()) {
    const qreal dpr = devicePixelRatioF();
    QPixmap picture(QSize(SampleWidth(), kSampleHeight) * dpr);
    picture.setDevicePixelRatio(dpr);
    QPainter neck(&picture);
    neck.translate(-kSampleLeft, -kSampleTop);
    PaintNeckPicture(neck);
    neck.end();
    picture_ = picture;
  }
  p.drawPixmap(0, 0, picture_);
}

}  // namespace strumbly
