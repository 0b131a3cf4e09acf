#pragma once
// A canvas that records what is drawn on it, with simple text metrics: every
// character is as wide as the font's point size and a text is twice the
// point size high.
#include <string>
#include <vector>

#include "core/tab/tab_canvas.h"

namespace strumbly::test {

struct DrawnText {
  int page, x, y;
  std::string text;
  TabFont font;
};
struct DrawnLine {
  int page, x1, y1, x2, y2;
};

class RecordingCanvas : public TabCanvas {
 public:
  std::vector<DrawnText> texts;
  std::vector<DrawnLine> lines;
  int fills = 0;
  int page = 1;
  TabFont font;

  void SetFont(const TabFont& f) override { font = f; }
  int TextWidth(const std::string& text) override { return static_cast<int>(text.size()) * font.points; }
  int TextHeight(const std::string&) override { return 2 * font.points; }
  void TextOut(int x, int y, const std::string& text) override { texts.push_back({page, x, y, text, font}); }
  void Line(int x1, int y1, int x2, int y2) override { lines.push_back({page, x1, y1, x2, y2}); }
  void FillWhite(int, int, int, int) override { ++fills; }
  void NewPage() override { ++page; }

  std::vector<DrawnText> TextsStartingWith(const std::string& prefix) const {
    std::vector<DrawnText> out;
    for (const auto& t : texts)
      if (t.text.rfind(prefix, 0) == 0) out.push_back(t);
    return out;
  }
};

}  // namespace strumbly::test
