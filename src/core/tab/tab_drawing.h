#pragma once
// Graphic tablature: the metrics of screen and paper, the drawing of bars in
// rows of two, the screen heading and the printed pages.
#include <string>

#include "core/guitar/tuning.h"
#include "core/tab/tab_canvas.h"
#include "core/tab/tab_layout.h"

namespace strumbly {

struct TabMetrics {
  int StaffWidth = 0;
  int LineSpacing = 0;
  int StaffHeight = 0;
  int Margin = 0;
  int FirstStaffTop = 0;
  int TitleTop = 0;
  // What a row shows besides the staff, and the room it takes: chord names
  // above the staff, the rhythm below it, string names left of it.
  bool ShowNames = false;
  bool ShowRhythm = false;
  int NamesBand = 0;
  int RhythmBand = 0;
  // The distance from one row's staff top to the next.
  int RowStep() const { return StaffHeight / 2 + StaffHeight + NamesBand + RhythmBand; }
};

// Chord names and string names go together, under one option; the rhythm
// has its own. With both off the metrics are those of the plain drawing.
TabMetrics ScreenTabMetrics(int paintBoxWidth, bool showNames = false, bool showRhythm = false);
// Centred: the staff stands in the middle of the printable width (the
// printing adapter asks for that); otherwise it keeps the fixed left margin.
TabMetrics PrinterTabMetrics(int pageWidth, int pageHeight, bool showNames = false, bool showRhythm = false,
                             bool centred = false);

// The fonts of the drawing, in points.
inline constexpr int kScreenFretPoints = 10;
inline constexpr int kPrinterFretPoints = 12;

// What a drawing shows.
struct TabDrawing {
  const TabLayout* layout = nullptr;
  std::string tuningText;
  std::string title;
  std::string subtitle;
  bool boldFrets = false;
  // Chord names above the staff and string names at the start of each row.
  bool showNames = false;
  // Stems, flags, dots and rests below the staff.
  bool showRhythm = false;
  // The tuning the string names come from.
  TuningTag tuning = kStandardTuningTag;
  // Paper only: the staff centred between the margins and the page number
  // ending at the right margin.
  bool centredPage = false;
};

// The name of string 1..6 under the tuning as the row start shows it, string
// 1 in lower case ("e" ... "E" in standard tuning, "D" for string 6 of
// dropped D).
std::string TabStringName(TuningTag tuning, int stringNumber);

// The text shortened from its end, with an ellipsis, until it is no wider
// than width in the canvas's current font; the empty text when not even the
// ellipsis fits.
std::string FitText(TabCanvas& canvas, const std::string& text, int width);

// Height of the screen drawing: first staff top + rows x row step.
int ScreenDrawingHeight(const TabMetrics& m, const TabLayout& layout);

// The left edge of a shown bar in its row.
inline int BarLeft(const TabMetrics& m, bool left) { return left ? m.Margin : m.StaffWidth / 2 - 1 + m.Margin; }

// Draws one bar of width w (the staff, then the numbers on it, then what the
// metrics show: chord names above and rhythm below) with its staff top at y
// and left edge at x, with fret numbers in the given font size. Gives back its bottom: y + 6 line
// spacings when a chord was drawn, otherwise y. Sets truncated when the bar
// holds more chords than are drawn.
int DrawTabBar(TabCanvas& canvas, const TabMetrics& m, const TabLayout& layout, const ShownBar& bar, int w, int y,
               int x, int fretPoints, bool bold, bool& truncated);

// Paints the screen drawing for a paint box of the given width, within the
// band of rows from top to bottom (the visible part). Only bars whose rows
// reach into the band are drawn. Gives back whether the tablature drops
// chords of an overfull bar, as painting every bar would.
bool PaintScreenTab(TabCanvas& canvas, const TabDrawing& drawing, int paintBoxWidth, int top, int bottom);

// Prints every page on a canvas of the printable page size in dots. Gives
// back the number of pages.
int PrintTabPages(TabCanvas& canvas, const TabDrawing& drawing, int pageWidth, int pageHeight);

}  // namespace strumbly
