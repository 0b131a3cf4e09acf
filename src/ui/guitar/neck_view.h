#pragma once
// The guitar neck of the main window: the black frame `shpNeckRect` holding
// the drawn neck `imgAllFrets`, the 6 x 19 markers over it (string 1 at the
// top, fret 0 left of the nut), the chord name above the fingerboard and the
// fret numbers below it.
#include <QWidget>
#include <array>
#include <cstdint>

class QLabel;

namespace strumbly {

class FretNumberLabel;
class NeckMarker;
class NeckPicture;

inline constexpr const char* kNeckHint = "Use left mouse button to place and remove notes.";
inline constexpr const char* kChordNameHint = "Chord name.";

class NeckView : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kStrings = 6;
  static constexpr int kFretColumns = 19;  // fret 0 (open) to 18

  explicit NeckView(QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override;
  int heightForWidth(int width) const override;
  // How much larger than its own size the neck is drawn (1 at the least).
  qreal Scale() const { return scale_; }

  // The marker of string index 0..5 (string 1..6) at fret 0..18, or null.
  NeckMarker* Marker(int stringIndex, int fret) const;

  // Shows fret -1 (nothing) or 0..18 on one string: every marker of the
  // string is cleared and takes the marker shape, then the fret's marker is
  // filled in the marker colour. Values out of range change nothing.
  void ShowStringMarker(int stringIndex, int fret);
  // Frets string 1 first, as a parsed chord holds them. Strings left out
  // show a cross at the nut, open strings a ring, as chord diagrams do.
  void ShowChordOnNeck(const std::array<std::int32_t, 6>& frets);
  void ClearNeck();
  // Fills one marker at once with the current colour and shape.
  void FillMarker(NeckMarker* marker);

  // A capo at fret 1..18 (0: none) draws its bar there, and every fret
  // shown counts from it: written fret f stands at fret capo + f, and a
  // marker at fret m means written fret m - capo. Notes already showing
  // move with it; one past the last fret is not shown.
  void SetCapo(int capo);
  int Capo() const { return capo_; }
  QWidget* CapoBar() const { return capoBar_; }

  // Settings: colour value blue * 65536 + green * 256 + red, shape code.
  // Markers already showing take the new look at once.
  void SetMarkerColor(std::uint32_t value);
  std::uint32_t MarkerColor() const { return color_; }
  void SetMarkerShape(int shape);
  int MarkerShape() const { return shape_; }

  QWidget* Picture() const;
  QLabel* ChordNameLabel() const { return chordName_; }
  QLabel* FretNumbersLabel() const;
  void SetChordName(const QString& text);
  void SetChordNameVisible(bool visible);
  void SetFretNumbersVisible(bool visible);

 signals:
  void markerPressed(NeckMarker* marker, Qt::MouseButton button);
  void markerReleased(NeckMarker* marker, Qt::MouseButton button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlaceParts(qreal scale);

  void SetStringMarker(int stringIndex, int fret);
  void PlaceCapoBar();
  void UpdateNutMarks();
  NeckPicture* picture_;
  QLabel* chordName_;
  FretNumberLabel* fretNumbers_;
  QWidget* capoBar_;
  std::array<std::array<NeckMarker*, kFretColumns>, kStrings> markers_{};
  std::uint32_t color_;
  int shape_;
  int capo_ = 0;
  std::array<int, kStrings> written_{-1, -1, -1, -1, -1, -1};  // the frets as the song writes them
  qreal scale_ = 0.0;
  QRect frame_;
};

}  // namespace strumbly
