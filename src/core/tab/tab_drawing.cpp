#include "core/tab/tab_drawing.h"

#include <algorithm>

#include "core/chordsheet/text.h"

namespace strumbly {

namespace {

constexpr int kHeadingPoints = 16;
constexpr int kScreenSmallHeadingPoints = 8;
constexpr int kPaperSubtitlePoints = 12;

bool IsRest(const TabEntry& e) {
  return !e.Name.empty() && std::all_of(e.Frets.begin(), e.Frets.end(), [](std::int32_t f) { return f == NotPlayed; });
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

void DrawPaperTitles(TabCanvas& c, const TabMetrics& m, const TabDrawing& d) {
  const int centre = (m.StaffWidth + m.Margin) / 2;
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

TabMetrics ScreenTabMetrics(int paintBoxWidth) {
  TabMetrics m;
  m.StaffWidth = paintBoxWidth - paintBoxWidth / 20;
  m.LineSpacing = 15;
  m.StaffHeight = 5 * m.LineSpacing;
  m.Margin = 10;
  m.FirstStaffTop = m.StaffHeight + 20;
  m.TitleTop = 10;
  return m;
}

TabMetrics PrinterTabMetrics(int pageWidth, int pageHeight) {
  TabMetrics m;
  m.StaffWidth = pageWidth - pageWidth / 10;
  m.LineSpacing = pageHeight / 60;
  m.StaffHeight = 5 * m.LineSpacing;
  m.Margin = 50;
  m.FirstStaffTop = m.StaffHeight + m.StaffHeight / 2;
  m.TitleTop = 110;
  return m;
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
    if (IsRest(e)) continue;
    for (std::size_t k = 0; k < 6; ++k) {
      const int lineY = y + static_cast<int>(k) * m.LineSpacing;
      if (e.Frets[k] != NotPlayed) {
        const std::string fret = std::to_string(e.Frets[k]);
        canvas.TextOut(cx, lineY - canvas.TextHeight(fret) / 2, fret);
      }
      bottom = lineY + m.LineSpacing;
    }
  }
  if (bold) canvas.SetFont({TabFace::Sans, fretPoints, false});
  return bottom;
}

bool PaintScreenTab(TabCanvas& canvas, const TabDrawing& d, int paintBoxWidth, int top, int bottom) {
  const TabMetrics m = ScreenTabMetrics(paintBoxWidth);
  canvas.FillWhite(0, top, paintBoxWidth, bottom - top);
  canvas.SetFont({TabFace::Sans, kScreenFretPoints, false});
  if (top < m.FirstStaffTop) DrawScreenHeading(canvas, m, d);
  const TabLayout& layout = *d.layout;
  const int rows = layout.Rows();
  if (rows == 0) return layout.anyTruncated;
  // A row reaches one line spacing above its staff (the first string's
  // numbers) and one below it.
  const int step = m.RowStep();
  const int firstRow = std::max(0, (top - m.FirstStaffTop - m.StaffHeight - m.LineSpacing) / step);
  const int lastRow = std::min(rows - 1, std::max(-1, (bottom - m.FirstStaffTop + m.LineSpacing) / step));
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
  }
  return layout.anyTruncated;
}

int PrintTabPages(TabCanvas& canvas, const TabDrawing& d, int pageWidth, int pageHeight) {
  const TabMetrics m = PrinterTabMetrics(pageWidth, pageHeight);
  const TabLayout& layout = *d.layout;
  canvas.SetFont({TabFace::Sans, kPrinterFretPoints, false});
  const int pageLabelX = m.StaffWidth - 2 * canvas.TextWidth("Page: 1");
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
      canvas.TextOut(pageLabelX, 0, "Page: " + std::to_string(page));
      canvas.TextOut(0, 0, d.tuningText);
      canvas.SetFont({TabFace::Sans, kPrinterFretPoints, false});
      DrawPaperTitles(canvas, m, d);
      pageStarted = true;
    }
    const int bottom =
        DrawTabBar(canvas, m, layout, bar, half, rowTop, BarLeft(m, left), kPrinterFretPoints, d.boldFrets, truncated);
    if (!left) {
      rowTop += m.RowStep();
      if (pageHeight < bottom + m.StaffHeight + m.StaffHeight / 2) breakDue = true;
    }
    left = !left;
  }
  return page;
}

}  // namespace strumbly
