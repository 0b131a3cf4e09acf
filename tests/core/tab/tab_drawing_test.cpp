// Geometry of graphic tablature on screen and paper, through a recording canvas.
#include "core/tab/tab_drawing.h"

#include <gtest/gtest.h>

#include <map>

#include "recording_canvas.h"

namespace strumbly {
namespace {

using test::RecordingCanvas;

const std::string C = "C, x, 3, 2, 0, 1, 0, Q";
const std::string G = "G, 3, 2, 0, 0, 0, 3, Q";

TabLayout Layout(const std::vector<std::string>& lines) {
  ChordList list;
  EXPECT_TRUE(BuildChordList(lines, list).ok);
  return BuildTabLayout(list, lines);
}

std::vector<std::string> Bars(int count, const std::string& chord = C) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) {
    lines.push_back(chord);
    lines.push_back("");
  }
  return lines;
}

TEST(TabDrawing, ScreenMetricsOfA600PixelPaintBox) {
  const TabMetrics m = ScreenTabMetrics(600);
  EXPECT_EQ(m.StaffWidth, 570);
  EXPECT_EQ(m.LineSpacing, 15);
  EXPECT_EQ(m.StaffHeight, 75);
  EXPECT_EQ(m.FirstStaffTop, 95);
  EXPECT_EQ(m.RowStep(), 112);
  EXPECT_EQ(m.StaffWidth / 2, 285);
  EXPECT_EQ(BarLeft(m, true), 10);
  EXPECT_EQ(BarLeft(m, false), 294);
}

TEST(TabDrawing, PrinterMetrics) {
  const TabMetrics m = PrinterTabMetrics(2400, 3300);
  EXPECT_EQ(m.StaffWidth, 2160);
  EXPECT_EQ(m.LineSpacing, 55);
  EXPECT_EQ(m.StaffHeight, 275);
  EXPECT_EQ(m.Margin, 50);
  EXPECT_EQ(m.FirstStaffTop, 412);
  EXPECT_EQ(m.TitleTop, 110);
}

TEST(TabDrawing, ChordsOfABarStandOneStepApart) {
  const TabLayout l = Layout({C, G, C});
  RecordingCanvas canvas;
  bool truncated = false;
  const TabMetrics m = ScreenTabMetrics(600);
  const int bottom = DrawTabBar(canvas, m, l, l.bars[0], 285, 95, 10, 10, false, truncated);
  EXPECT_EQ(bottom, 95 + 90);
  EXPECT_FALSE(truncated);
  // Step 285 div 5 = 57: columns at x + 57, x + 114 and x + 171.
  std::vector<int> xs;
  for (const auto& t : canvas.texts)
    if (xs.empty() || xs.back() != t.x) xs.push_back(t.x);
  EXPECT_EQ(xs, (std::vector<int>{67, 124, 181}));
  // The top of a number is half its height above its string.
  EXPECT_EQ(canvas.texts[0].text, "0");  // C, string 1
  EXPECT_EQ(canvas.texts[0].y, 95 - 10);
  EXPECT_EQ(canvas.texts[1].y, 95 + 15 - 10);
  // Two bar lines and six string lines.
  ASSERT_EQ(canvas.lines.size(), 8u);
  EXPECT_EQ(canvas.lines[0].x1, 10);
  EXPECT_EQ(canvas.lines[0].y2, 95 + 75);
  EXPECT_EQ(canvas.lines[1].x1, 10 + 284);
  EXPECT_EQ(canvas.lines[7].y1, 95 + 75);
  EXPECT_EQ(canvas.lines[7].x2, 10 + 285);
}

TEST(TabDrawing, SixteenAndFifteenChordsShareAStep) {
  for (int chords : {15, 16, 17}) {
    const TabLayout l = Layout(std::vector<std::string>(static_cast<std::size_t>(chords), C));
    RecordingCanvas canvas;
    bool truncated = false;
    DrawTabBar(canvas, ScreenTabMetrics(600), l, l.bars[0], 285, 95, 10, 10, false, truncated);
    EXPECT_EQ(canvas.texts.size(), 5u * 16 - (chords == 15 ? 5 : 0)) << chords;
    EXPECT_EQ(canvas.texts[5].x - canvas.texts[0].x, 285 / 17) << chords;
    EXPECT_EQ(truncated, chords == 17);
  }
}

TEST(TabDrawing, ARestKeepsItsColumnEmpty) {
  const TabLayout l = Layout({"Rest, x, x, x, x, x, x, Q", G});
  RecordingCanvas canvas;
  bool truncated = false;
  DrawTabBar(canvas, ScreenTabMetrics(600), l, l.bars[0], 285, 95, 10, 10, false, truncated);
  ASSERT_EQ(canvas.texts.size(), 6u);
  EXPECT_EQ(canvas.texts[0].x, 10 + 2 * (285 / 4));
  // A bar of rests alone draws no number and its bottom is its top.
  const TabLayout rests = Layout({"Rest, x, x, x, x, x, x, Q"});
  EXPECT_EQ(DrawTabBar(canvas, ScreenTabMetrics(600), rests, rests.bars[0], 285, 95, 10, 10, false, truncated), 95);
}

TEST(TabDrawing, BoldOptionMakesOnlyFretNumbersBold) {
  const TabLayout l = Layout({C, "", G, "", C});
  const TabDrawing d{&l, "Standard Tuning - E A D G B E", "Title", "Sub", true};
  RecordingCanvas canvas;
  PaintScreenTab(canvas, d, 600, 0, 1000);
  int bold = 0;
  for (const auto& t : canvas.texts) {
    const bool fret = t.font.face == TabFace::Sans;
    EXPECT_EQ(t.font.bold, fret) << t.text;
    bold += t.font.bold;
  }
  EXPECT_EQ(bold, 5 + 6 + 5);
}

TEST(TabDrawing, ScreenHeading) {
  const TabLayout l = Layout({C});
  RecordingCanvas canvas;
  PaintScreenTab(canvas, {&l, "Standard Tuning - E A D G B E", "Blues", "slow", false}, 600, 0, 400);
  ASSERT_GE(canvas.texts.size(), 3u);
  const auto& tuning = canvas.texts[0];
  EXPECT_EQ(tuning.text, "Standard Tuning - E A D G B E");
  EXPECT_EQ(tuning.x, 5);
  EXPECT_EQ(tuning.y, 10);
  EXPECT_EQ(tuning.font, (TabFont{TabFace::Serif, 8, false}));
  const auto& title = canvas.texts[1];
  EXPECT_EQ(title.x, 570 / 2 - 5 * 16 / 2);
  EXPECT_EQ(title.y, 25);
  const auto& sub = canvas.texts[2];
  EXPECT_EQ(sub.y, 25 + 32 + 8);
  EXPECT_EQ(sub.x, 580 / 2 - 4 * 8 / 2);
  // A title wider than staff width + margin starts at the left edge.
  RecordingCanvas wide;
  PaintScreenTab(wide, {&l, "", std::string(40, 'W'), "  ", false}, 600, 0, 400);
  EXPECT_EQ(wide.texts[1].x, 0);
  EXPECT_TRUE(wide.TextsStartingWith("  ").empty());
}

TEST(TabDrawing, DrawingHeights) {
  const TabMetrics m = ScreenTabMetrics(600);
  EXPECT_EQ(ScreenDrawingHeight(m, Layout(Bars(1))), 95 + 112);
  EXPECT_EQ(ScreenDrawingHeight(m, Layout(Bars(3))), 95 + 224);
  EXPECT_EQ(ScreenDrawingHeight(m, Layout(Bars(4))), 95 + 224);
}

TEST(TabDrawing, ScreenPaintDrawsOnlyTheVisibleRows) {
  const TabLayout l = Layout(Bars(1000));
  const TabDrawing d{&l, "tuning", "title", "", false};
  RecordingCanvas all;
  EXPECT_FALSE(PaintScreenTab(all, d, 600, 0, ScreenDrawingHeight(ScreenTabMetrics(600), l)));
  EXPECT_EQ(all.lines.size(), 1000u * 8);
  // A 300-pixel band in the middle: rows 250 to 252 are in sight.
  RecordingCanvas band;
  const int top = 95 + 250 * 112 + 20;
  PaintScreenTab(band, d, 600, top, top + 300);
  EXPECT_TRUE(band.TextsStartingWith("title").empty());
  ASSERT_FALSE(band.lines.empty());
  EXPECT_LE(band.lines.size(), 5u * 2 * 8);
  for (const auto& line : band.lines) {
    EXPECT_GE(line.y1, top - 2 * 112);
    EXPECT_LE(line.y1, top + 300 + 112);
  }
  // Every row that reaches into the band is drawn.
  bool rowAbove = false, rowBelow = false;
  for (const auto& line : band.lines) {
    rowAbove |= line.y1 <= top;
    rowBelow |= line.y1 >= top + 300 - 75;
  }
  EXPECT_TRUE(rowAbove);
  EXPECT_TRUE(rowBelow);
}

TEST(TabDrawing, OverfullBarIsReportedOnEveryPaint) {
  const TabLayout l = Layout(std::vector<std::string>(20, C));
  RecordingCanvas canvas;
  EXPECT_TRUE(PaintScreenTab(canvas, {&l, "", "", "", false}, 600, 300, 400));
}

TEST(TabDrawing, RowsGrowOnlyByWhatIsShown) {
  const TabMetrics plain = ScreenTabMetrics(600);
  const TabMetrics names = ScreenTabMetrics(600, true, false);
  const TabMetrics rhythm = ScreenTabMetrics(600, false, true);
  const TabMetrics both = ScreenTabMetrics(600, true, true);
  // Names: a line of 20 above every staff, and room for the string names
  // left of the first bar; rhythm: 30 below.
  EXPECT_EQ(names.RowStep(), 112 + 20);
  EXPECT_EQ(names.FirstStaffTop, 95 + 20);
  EXPECT_EQ(BarLeft(names, true), 10 + 30);
  EXPECT_EQ(names.Margin + names.StaffWidth, plain.Margin + plain.StaffWidth);
  EXPECT_EQ(rhythm.RowStep(), 112 + 30);
  EXPECT_EQ(rhythm.FirstStaffTop, 95);
  EXPECT_EQ(BarLeft(rhythm, true), 10);
  EXPECT_EQ(both.RowStep(), 112 + 50);
  EXPECT_EQ(ScreenDrawingHeight(both, Layout(Bars(3))), 95 + 20 + 2 * 162);
}

TEST(TabDrawing, ChordNamesWhereTheyChangeAndStringNamesOfTheTuning) {
  const TabLayout l = Layout({C, C, "Cmaj7add9sus4, x, 3, 2, 0, 0, 0, Q", G, "Rest, x, x, x, x, x, x, Q", G});
  TabDrawing d{&l, "", "", "", false};
  d.showNames = true;
  d.tuning = 355555;  // dropped D
  RecordingCanvas canvas;
  PaintScreenTab(canvas, d, 1000, 0, 1000);
  const TabMetrics m = ScreenTabMetrics(1000, true, false);
  const int y = m.FirstStaffTop, step = (m.StaffWidth / 2) / 8;
  ASSERT_EQ(step, 57);
  std::vector<std::string> names;
  for (const auto& t : canvas.texts)
    if (t.font.bold) {
      names.push_back(t.text);
      EXPECT_EQ(t.font, (TabFont{TabFace::Sans, 8, true}));
      EXPECT_LT(t.y + 16, y - 10) << t.text;  // clear of the first string's numbers
    }
  // The long name is cut to the room before G (the step less a gap of 5),
  // with an ellipsis: 3 bytes of 8 units each in the recording canvas.
  ASSERT_EQ(names.size(), 4u);
  EXPECT_EQ(names[0], "C");
  EXPECT_EQ(names[1], "Cma\xE2\x80\xA6");
  EXPECT_EQ(names[2], "G");
  EXPECT_EQ(names[3], "G");
  std::vector<std::string> strings;
  for (const auto& t : canvas.texts)
    if (t.x < BarLeft(m, true) && t.y > y - 20) {
      strings.push_back(t.text);
      EXPECT_EQ(t.x + static_cast<int>(t.text.size()) * 8, BarLeft(m, true) - 5);
    }
  EXPECT_EQ(strings, (std::vector<std::string>{"e", "B", "G", "D", "A", "D"}));
}

TEST(TabDrawing, RhythmUnderEachColumn) {
  // W H Q E .S and an eighth rest: a "W", a hollow stem of four lines, a
  // stem, a stem with one flag, one with two flags and a dot, a zigzag.
  const TabLayout l = Layout({"C, x, 3, 2, 0, 1, 0, W", "C, x, 3, 2, 0, 1, 0, H", C, "C, x, 3, 2, 0, 1, 0, E",
                              "C, x, 3, 2, 0, 1, 0, .S", "Rest, x, x, x, x, x, x, E"});
  const TabMetrics m = ScreenTabMetrics(600, false, true);
  RecordingCanvas canvas;
  bool truncated = false;
  DrawTabBar(canvas, m, l, l.bars[0], 285, 95, 10, 10, false, truncated);
  const int staffBottom = 95 + 75;
  std::vector<int> linesPerColumn(7, 0);
  const int step = 285 / 8;
  for (const auto& line : canvas.lines) {
    if (line.y1 <= staffBottom && line.y2 <= staffBottom) continue;  // the staff
    EXPECT_GT(std::min(line.y1, line.y2), staffBottom + 10);
    EXPECT_LE(std::max(line.y1, line.y2), staffBottom + m.RhythmBand);
    ++linesPerColumn[static_cast<std::size_t>((line.x1 - 10) / step - 1)];
  }
  // The dot is a filled square of 2 lines.
  EXPECT_EQ(linesPerColumn, (std::vector<int>{0, 4, 1, 2, 3 + 2, 4, 0}));
  const auto w = canvas.TextsStartingWith("W");
  ASSERT_EQ(w.size(), 1u);
  EXPECT_GT(w[0].y, staffBottom);
  // The numbers keep their font and places.
  RecordingCanvas plain;
  DrawTabBar(plain, ScreenTabMetrics(600), l, l.bars[0], 285, 95, 10, 10, false, truncated);
  std::vector<std::string> frets, shownFrets;
  for (const auto& t : plain.texts) frets.push_back(t.text + "@" + std::to_string(t.x) + "," + std::to_string(t.y));
  for (const auto& t : canvas.texts)
    if (t.text != "W") shownFrets.push_back(t.text + "@" + std::to_string(t.x) + "," + std::to_string(t.y));
  EXPECT_EQ(shownFrets, frets);
}

class Printing : public ::testing::Test {
 protected:
  // A page of 2400 x 3300 dots: line spacing 55, staff height 275, first
  // staff top 412, rows 412 apart.
  static constexpr int kWidth = 2400, kHeight = 3300;
  int Print(int bars, RecordingCanvas& canvas, const std::string& subtitle = "") {
    layout = Layout(Bars(bars));
    return PrintTabPages(canvas, {&layout, "Standard Tuning - E A D G B E", "Blues", subtitle, false}, kWidth, kHeight);
  }
  TabLayout layout;
};

TEST_F(Printing, PagesBreakOnlyAfterARightBar) {
  // Rows at 412, 824, ..., 2884: after the row at 2884 (bottom 3214) the
  // page has no room for another (3214 + 275 + 137 > 3300): 7 rows a page.
  RecordingCanvas canvas;
  EXPECT_EQ(Print(30, canvas), 3);
  const auto labels = canvas.TextsStartingWith("Page: ");
  ASSERT_EQ(labels.size(), 3u);
  for (int p = 0; p < 3; ++p) {
    EXPECT_EQ(labels[static_cast<std::size_t>(p)].text, "Page: " + std::to_string(p + 1));
    EXPECT_EQ(labels[static_cast<std::size_t>(p)].page, p + 1);
    EXPECT_EQ(labels[static_cast<std::size_t>(p)].y, 0);
    EXPECT_EQ(labels[static_cast<std::size_t>(p)].x, 2160 - 2 * 7 * 12);
    EXPECT_EQ(labels[static_cast<std::size_t>(p)].font.face, TabFace::Serif);
  }
  // 14 bars on each full page; the two bars of a row share a page.
  std::map<int, int> barsPerPage;
  for (const auto& line : canvas.lines)
    if (line.x1 == line.x2 && (line.x1 == 50 || line.x1 == 1129 + 1079)) ++barsPerPage[line.page];
  EXPECT_EQ(barsPerPage[1], 14);
  EXPECT_EQ(barsPerPage[2], 14);
  EXPECT_EQ(barsPerPage[3], 2);
  // Every page carries the tuning and the centred title.
  EXPECT_EQ(canvas.TextsStartingWith("Standard Tuning").size(), 3u);
  const auto titles = canvas.TextsStartingWith("Blues");
  ASSERT_EQ(titles.size(), 3u);
  EXPECT_EQ(titles[2].page, 3);
  EXPECT_EQ(titles[0].x, (2160 + 50) / 2 - 5 * 16 / 2);
  EXPECT_EQ(titles[0].y, 110);
}

TEST_F(Printing, AFullLastPageTakesNoEmptyPageAfterIt) {
  RecordingCanvas canvas;
  EXPECT_EQ(Print(14, canvas), 1);
  EXPECT_EQ(canvas.page, 1);
  RecordingCanvas next;
  EXPECT_EQ(Print(15, next), 2);
  EXPECT_EQ(next.page, 2);
}

TEST_F(Printing, SubtitleUnderTheTitle) {
  RecordingCanvas canvas;
  Print(1, canvas, "live");
  const auto sub = canvas.TextsStartingWith("live");
  ASSERT_EQ(sub.size(), 1u);
  EXPECT_EQ(sub[0].y, 110 + 32 + 8);
  EXPECT_EQ(sub[0].font, (TabFont{TabFace::Serif, 12, false}));
  EXPECT_EQ(sub[0].x, (2160 + 50) / 2 - 4 * 12 / 2);
}

TEST_F(Printing, ThePageCentresTheStaffAndEndsThePageNumberAtTheRightMargin) {
  layout = Layout(Bars(2));
  TabDrawing d{&layout, "Standard Tuning - E A D G B E", "Blues", "", false};
  d.centredPage = true;
  RecordingCanvas canvas;
  PrintTabPages(canvas, d, kWidth, kHeight);
  const auto label = canvas.TextsStartingWith("Page: ");
  ASSERT_EQ(label.size(), 1u);
  EXPECT_EQ(label[0].x + 7 * 12, kWidth);
  int left = kWidth, right = 0;
  for (const auto& line : canvas.lines) {
    left = std::min(left, line.x1);
    right = std::max(right, line.x2);
  }
  EXPECT_NEAR(left, kWidth - right, 1);
  EXPECT_EQ(left, 120);
  EXPECT_EQ(canvas.TextsStartingWith("Blues")[0].x, kWidth / 2 - 5 * 16 / 2);
}

TEST_F(Printing, NoRowRunsOffItsPage) {
  // Right bars of rests drew no number; the row below them was once let
  // onto the page with no room for it. Names and rhythm make rows taller.
  for (const bool shown : {false, true}) {
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i) {
      lines.push_back(i % 2 ? "Rest, x, x, x, x, x, x, Q" : C);
      lines.push_back("");
    }
    layout = Layout(lines);
    TabDrawing d{&layout, "", "Blues", "", false};
    d.showNames = d.showRhythm = shown;
    RecordingCanvas canvas;
    const int pages = PrintTabPages(canvas, d, kWidth, kHeight);
    EXPECT_GT(pages, shown ? 3 : 2);
    std::map<int, int> bars;
    for (const auto& line : canvas.lines) {
      EXPECT_LE(std::max(line.y1, line.y2), kHeight) << shown;
      if (line.x1 == line.x2 && line.y2 - line.y1 == 275) ++bars[line.page];
    }
    // Whole rows only: two bar lines for each of the two bars.
    for (const auto& [page, count] : bars) EXPECT_EQ(count % 4, 0) << page;
  }
}

}  // namespace
}  // namespace strumbly
