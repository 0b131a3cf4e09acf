#include "core/tab/tab_drawing.h"

#include <algorithm>

#include "core/chordsheet/text.h"

namespace strumbly {

namespace {

constexpr int kHeadingPoints = 16;
constexpr int kScreenSmallHeadingPoints = 8;
constexpr int kPaperSubtitlePoints = 12;

constexpr const char* kEllipsis = "\xE2\x80\xA6";

// Bands a row grows by for what it shows, in line spacings: a chord name's
// line above, and stems with their flags below.
int NamesBandOf(int lineSpacing) { return lineSpacing + lineSpacing / 3; }
int RhythmBandOf(int lineSpacing) { return 2 * lineSpacing; }

void SetShown(TabMetrics& m, bool names, bool rhythm) {
  m.ShowNames = names;
  m.ShowRhythm = rhythm;
  m.NamesBand = names ? NamesBandOf(m.LineSpacing) : 0;
  m.RhythmBand = rhythm ? RhythmBandOf(m.LineSpacing) : 0;
  // The first row's names stand below the heading, not over it.
  m.FirstStaffTop += m.NamesBand;
}

// The room left of the staff for the string names when the margin is too
// narrow for them.
int NameGutter(int lineSpacing) { return 2 * lineSpacing; }

// The width a chord name may take from its column: up to the next column
// of the bar that shows a name, or to the bar's end.
int NameRoom(const TabLayout& layout, const ShownBar& bar, std::size_t i, int cx, int step, int barRight) {
  const std::size_t last = bar.first + static_cast<std::size_t>(bar.DrawnChords());
  int room = step;
  for (std::size_t j = i + 1; j < last; ++j, room += step)
    if (ShowsChordName(layout, j)) return room;
  return barRight - cx;
}

void DrawChordName(TabCanvas& c, const TabMetrics& m, const std::string& name, int cx, int y, int room, int fretHeight,
                   int points) {
  c.SetFont({TabFace::Sans, points, true});
  const std::string shown = FitText(c, name, room - m.LineSpacing / 3);
  if (!shown.empty()) c.TextOut(cx, y - fretHeight / 2 - m.LineSpacing / 6 - c.TextHeight(shown), shown);
}

// A small filled square: the dot of a dotted note.
void DrawDot(TabCanvas& c, int x, int y, int size) {
  for (int i = 0; i < size; ++i) c.Line(x, y + i, x + size, y + i);
}

// The rhythm of a column below the staff: a stem from under the low
// string's numbers down into the band, flags at its foot for eighths and
// shorter, a hollow stem for a half note, a "W" for a whole note, a
// zigzag for a rest.
void DrawRhythm(TabCanvas& c, const TabMetrics& m, const TabRhythm& r, int sx, int y, int points) {
  const int ls = m.LineSpacing;
  const int top = y + m.StaffHeight + ls * 3 / 4;
  const int foot = y + m.StaffHeight + m.RhythmBand;
  const int dotSize = std::max(2, ls / 6);
  int dotX = sx + ls / 3;
  switch (r.kind) {
    case TabRhythm::Kind::None:
      return;
    case TabRhythm::Kind::Rest: {
      const int a = std::max(2, ls / 4);
      const int b = (foot - top) / 4;
      c.Line(sx - a, top, sx + a, top + b);
      c.Line(sx + a, top + b, sx - a, top + 2 * b);
      c.Line(sx - a, top + 2 * b, sx + a, top + 3 * b);
      c.Line(sx + a, top + 3 * b, sx, foot);
      dotX = sx + a + dotSize;
      break;
    }
    case TabRhythm::Kind::Whole: {
      c.SetFont({TabFace::Sans, points, false});
      const int w = c.TextWidth("W");
      c.TextOut(sx - w / 2, top, "W");
      dotX = sx + w / 2 + dotSize;
      break;
    }
    case TabRhythm::Kind::Half: {
      const int d = std::max(1, ls / 8);
      c.Line(sx - d, top, sx - d, foot);
      c.Line(sx + d, top, sx + d, foot);
      c.Line(sx - d, top, sx + d, top);
      c.Line(sx - d, foot, sx + d, foot);
      dotX = sx + d + dotSize;
      break;
    }
    case TabRhythm::Kind::Stem:
      c.Line(sx, top, sx, foot);
      for (int k = 0; k < r.flags; ++k) {
        const int fy = foot - k * (ls / 4);
        c.Line(sx, fy, sx + ls / 2, fy - ls / 3);
      }
      if (r.flags > 0) dotX = sx + ls / 2 + dotSize;
      break;
  }
  if (r.dotted) DrawDot(c, dotX, foot - dotSize, dotSize);
}

// The string names left of a row's first staff line, each centred on its
// string and ending a little before the staff.
void DrawStringNames(TabCanvas& c, const TabMetrics& m, TuningTag tuning, int x, int y, int points) {
  c.SetFont({TabFace::Sans, points, false});
  for (int k = 0; k < 6; ++k) {
    const std::string name = TabStringName(tuning, k + 1);
    c.TextOut(x - m.LineSpacing / 3 - c.TextWidth(name), y + k * m.LineSpacing - c.TextHeight(name) / 2, name);
  }
}

void DrawScreenHeading(TabCanvas& c, const TabMetrics& m, const TabDrawing& d) {
  c.SetFont({TabFace::Serif, kHeadingPoints, false});
  const int titleWidth = c.TextWidth(d.title);
  const int x = titleWidth < m.StaffWidth + m.Margin ? m.StaffWidth / 2 - titleWidth / 2 : 0;
  c.SetFont({TabFace::Serif, kScreenSmallHeadingPoints, false});
  c.TextOut(5, m.TitleTop, d.tuningText);
  c.SetFont({TabFace::Serif, kHeadingPoints, false});
  c.TextOut(x, m.TitleTop + 15, d.title);
  if (!IsBlank(d.subtitle)) {
    const int h = c.TextHeight(d.title);
    const int top = m.TitleTop + 15 + h + h / 4;
    c.SetFont({TabFace::Serif, kScreenSmallHeadingPoints, false});
    c.TextOut((m.StaffWidth + m.Margin) / 2 - c.TextWidth(d.subtitle) / 2, top, d.subtitle);
  }
  c.SetFont({TabFace::Sans, kScreenFretPoints, false});
}

void DrawPaperTitles(TabCanvas& c, const TabMetrics& m, int centre, const TabDrawing& d) {
  c.SetFont({TabFace::Serif, kHeadingPoints, false});
  c.TextOut(centre - c.TextWidth(d.title) / 2, m.TitleTop, d.title);
  if (!IsBlank(d.subtitle)) {
    const int h = c.TextHeight(d.title);
    c.SetFont({TabFace::Serif, kPaperSubtitlePoints, false});
    c.TextOut(centre - c.TextWidth(d.subtitle) / 2, m.TitleTop + h + h / 4, d.subtitle);
  }
  c.SetFont({TabFace::Sans, kPrinterFretPoints, false});
}

}  // namespace

TabMetrics ScreenTabMetrics(int paintBoxWidth, bool showNames, bool showRhythm) {
  TabMetrics m;
  m.StaffWidth = paintBoxWidth - paintBoxWidth / 20;
  m.LineSpacing = 15;
  m.StaffHeight = 5 * m.LineSpacing;
  m.Margin = 10;
  m.FirstStaffTop = m.StaffHeight + 20;
  m.TitleTop = 10;
  if (showNames) {
    m.Margin += NameGutter(m.LineSpacing);
    m.StaffWidth -= NameGutter(m.LineSpacing);
  }
  SetShown(m, showNames, showRhythm);
  return m;
}

TabMetrics PrinterTabMetrics(int pageWidth, int pageHeight, bool showNames, bool showRhythm, bool centred) {
  TabMetrics m;
  m.StaffWidth = pageWidth - pageWidth / 10;
  m.LineSpacing = pageHeight / 60;
  m.StaffHeight = 5 * m.LineSpacing;
  m.Margin = 50;
  m.FirstStaffTop = m.StaffHeight + m.StaffHeight / 2;
  m.TitleTop = 110;
  if (centred) {
    // The last bar line stands at Margin + StaffWidth - 1 (two halves of a
    // row, the right one starting a dot to the left of the middle).
    m.Margin = (pageWidth - m.StaffWidth) / 2;
  } else if (showNames) {
    m.Margin += NameGutter(m.LineSpacing);
    m.StaffWidth -= NameGutter(m.LineSpacing);
  }
  SetShown(m, showNames, showRhythm);
  return m;
}

std::string TabStringName(TuningTag tuning, int stringNumber) {
  const int index = stringNumber - 1;
  const auto digits = TuningDigits(tuning);
  std::string name = TuningNoteName(digits[static_cast<std::size_t>(5 - index)], index);
  if (stringNumber == 1 && !name.empty() && name[0] >= 'A' && name[0] <= 'Z') name[0] = static_cast<char>(name[0] + 32);
  return name;
}

std::string FitText(TabCanvas& canvas, const std::string& text, int width) {
  if (canvas.TextWidth(text) <= width) return text;
  std::string cut = text;
  while (!cut.empty()) {
    // Drop one character (its UTF-8 continuation bytes with it).
    do cut.pop_back();
    while (!cut.empty() && (static_cast<unsigned char>(cut.back()) & 0xC0) == 0x80);
    const std::string shown = std::string(Trim(cut)) + kEllipsis;
    if (Trim(cut).empty()) break;
    if (canvas.TextWidth(shown) <= width) return shown;
  }
  return canvas.TextWidth(kEllipsis) <= width ? std::string(kEllipsis) : std::string();
}

int ScreenDrawingHeight(const TabMetrics& m, const TabLayout& layout) {
  return layout.Rows() * m.RowStep() + m.FirstStaffTop;
}

int DrawTabBar(TabCanvas& canvas, const TabMetrics& m, const TabLayout& layout, const ShownBar& bar, int w, int y,
               int x, int fretPoints, bool bold, bool& truncated) {
  // The staff goes first, so that each number, written on white, breaks
  // its string line instead of being struck through by it.
  canvas.Line(x, y, x, y + m.StaffHeight);
  canvas.Line(x + w - 1, y, x + w - 1, y + m.StaffHeight);
  for (int i = 0; i < 6; ++i) canvas.Line(x, y + i * m.LineSpacing, x + w, y + i * m.LineSpacing);
  const int step = w / (bar.Columns() + 1);
  int cx = x;
  int bottom = y;
  canvas.SetFont({TabFace::Sans, fretPoints, bold});
  int count = 0;
  for (std::size_t i = bar.first; i < bar.end; ++i) {
    if (++count > MaxChordsPerBar) {
      truncated = true;
      break;
    }
    cx += step;
    const TabEntry& e = layout.TabEntries[i];
    if (m.ShowNames || m.ShowRhythm) {
      // Names and rhythm change the font; the numbers get theirs back.
      canvas.SetFont({TabFace::Sans, fretPoints, bold});
      const int fretHeight = canvas.TextHeight("0");
      const int stemX = cx + canvas.TextWidth("0") / 2;
      if (m.ShowNames && ShowsChordName(layout, i))
        DrawChordName(canvas, m, e.Name, cx, y, NameRoom(layout, bar, i, cx, step, x + w), fretHeight, fretPoints - 2);
      if (m.ShowRhythm) DrawRhythm(canvas, m, RhythmOf(e), stemX, y, fretPoints);
      canvas.SetFont({TabFace::Sans, fretPoints, bold});
    }
    if (IsRestEntry(e)) continue;
    for (std::size_t k = 0; k < 6; ++k) {
      const int lineY = y + static_cast<int>(k) * m.LineSpacing;
      if (e.Frets[k] != NotPlayed) {
        const std::string fret = std::to_string(e.Frets[k]);
        canvas.TextOut(cx, lineY - canvas.TextHeight(fret) / 2, fret);
      }
      bottom = lineY + m.LineSpacing;
    }
  }
  if (bold || m.ShowNames || m.ShowRhythm) canvas.SetFont({TabFace::Sans, fretPoints, false});
  return bottom;
}

bool PaintScreenTab(TabCanvas& canvas, const TabDrawing& d, int paintBoxWidth, int top, int bottom) {
  const TabMetrics m = ScreenTabMetrics(paintBoxWidth, d.showNames, d.showRhythm);
  canvas.FillWhite(0, top, paintBoxWidth, bottom - top);
  canvas.SetFont({TabFace::Sans, kScreenFretPoints, false});
  if (top < m.FirstStaffTop) DrawScreenHeading(canvas, m, d);
  const TabLayout& layout = *d.layout;
  const int rows = layout.Rows();
  if (rows == 0) return layout.anyTruncated;
  // A row reaches one line spacing above its staff (the first string's
  // numbers) and one below it, and further by the bands of names and rhythm.
  const int step = m.RowStep();
  const int firstRow = std::max(0, (top - m.FirstStaffTop - m.StaffHeight - m.LineSpacing - m.RhythmBand) / step);
  const int lastRow = std::min(rows - 1, std::max(-1, (bottom - m.FirstStaffTop + m.LineSpacing + m.NamesBand) / step));
  const int half = m.StaffWidth / 2;
  bool truncated = false;
  for (int r = firstRow; r <= lastRow; ++r) {
    const int y = m.FirstStaffTop + r * step;
    for (int side = 0; side < 2; ++side) {
      const std::size_t b = static_cast<std::size_t>(2 * r + side);
      if (b >= layout.bars.size()) break;
      DrawTabBar(canvas, m, layout, layout.bars[b], half, y, BarLeft(m, side == 0), kScreenFretPoints, d.boldFrets,
                 truncated);
    }
    if (m.ShowNames) DrawStringNames(canvas, m, d.tuning, BarLeft(m, true), y, kScreenFretPoints - 2);
  }
  return layout.anyTruncated;
}

int PrintTabPages(TabCanvas& canvas, const TabDrawing& d, int pageWidth, int pageHeight) {
  const TabMetrics m = PrinterTabMetrics(pageWidth, pageHeight, d.showNames, d.showRhythm, d.centredPage);
  const TabLayout& layout = *d.layout;
  canvas.SetFont({TabFace::Sans, kPrinterFretPoints, false});
  const int pageLabelX = m.StaffWidth - 2 * canvas.TextWidth("Page: 1");
  const int titleCentre = d.centredPage ? pageWidth / 2 : (m.StaffWidth + m.Margin) / 2;
  const int half = m.StaffWidth / 2;
  int page = 1;
  int rowTop = m.FirstStaffTop;
  bool left = true;
  bool pageStarted = false;
  bool breakDue = false;
  bool truncated = false;
  for (const ShownBar& bar : layout.bars) {
    if (breakDue) {
      // A break is taken only when a bar is left to go on the next page.
      canvas.NewPage();
      ++page;
      rowTop = m.FirstStaffTop;
      left = true;
      pageStarted = false;
      breakDue = false;
    }
    if (!pageStarted) {
      canvas.SetFont({TabFace::Serif, kPrinterFretPoints, false});
      const std::string label = "Page: " + std::to_string(page);
      canvas.TextOut(d.centredPage ? pageWidth - canvas.TextWidth(label) : pageLabelX, 0, label);
      canvas.TextOut(0, 0, d.tuningText);
      canvas.SetFont({TabFace::Sans, kPrinterFretPoints, false});
      DrawPaperTitles(canvas, m, titleCentre, d);
      pageStarted = true;
    }
    DrawTabBar(canvas, m, layout, bar, half, rowTop, BarLeft(m, left), kPrinterFretPoints, d.boldFrets, truncated);
    if (left && m.ShowNames) DrawStringNames(canvas, m, d.tuning, BarLeft(m, true), rowTop, kPrinterFretPoints - 2);
    if (!left) {
      // The row's lowest reach, whether or not its right bar drew a number:
      // the next row goes on this page only when all of it fits.
      const int rowBottom = rowTop + m.StaffHeight + m.LineSpacing + m.RhythmBand;
      rowTop += m.RowStep();
      if (pageHeight < rowBottom + m.RowStep()) breakDue = true;
    }
    left = !left;
  }
  return page;
}

}  // namespace strumbly
