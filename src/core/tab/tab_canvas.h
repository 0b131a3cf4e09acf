#pragma once
// The surface graphic tablature is drawn on: the screen, a printer page or a
// recording in tests. Coordinates are device units (pixels or dots).
#include <string>

namespace strumbly {

// The two faces of the drawing: a sans-serif face for fret numbers and a
// serif face for headings.
enum class TabFace { Sans, Serif };

struct TabFont {
  TabFace face = TabFace::Sans;
  int points = 10;
  bool bold = false;
  friend bool operator==(const TabFont&, const TabFont&) = default;
};

class TabCanvas {
 public:
  virtual ~TabCanvas() = default;
  virtual void SetFont(const TabFont& font) = 0;
  virtual int TextWidth(const std::string& text) = 0;
  virtual int TextHeight(const std::string& text) = 0;
  // Writes the text on a white background with its top left corner at (x, y).
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  virtual void Line(int x1, int y1, int x2, int y2) = 0;
  virtual void FillWhite(int x, int y, int width, int height) = 0;
  // Ends the page and starts the next one (printing only).
  virtual void NewPage() {}
};

}  // namespace strumbly
