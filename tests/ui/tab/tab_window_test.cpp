// The tablature window: saving, printing, keys and large songs.
#include "ui/tab/tab_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <functional>

#include "core/chordsheet/text.h"
#include "core/tab/ascii_tab.h"
#include "support/scripted_dialogs.h"
#include "support/shots.h"
#include "ui/tab/tab_info_window.h"
#include "ui/tab/tab_paint_box.h"

namespace strumbly {
namespace {

const std::string C = "C, x, 3, 2, 0, 1, 0, Q";
const std::string G = "G, 3, 2, 0, 0, 0, 3, Q";

std::vector<std::string> BluesLines() {
  std::vector<std::string> lines{"* Title: Twelve Bar Blues in A", "* Sub: shuffle, two bars a row"};
  const std::vector<std::string> a{"A5, x, 0, 2, x, x, x, E", "A6, x, 0, 4, x, x, x, E"};
  const std::vector<std::string> d{"D5, x, x, 0, 2, x, x, E", "D6, x, x, 0, 4, x, x, E"};
  const std::vector<std::string> e{"E5, 0, 2, x, x, x, x, E", "E6, 0, 4, x, x, x, x, E"};
  const std::vector<const std::vector<std::string>*> bars{&a, &a, &a, &a, &d, &d, &a, &a, &e, &d, &a, &e};
  for (const auto* bar : bars) {
    for (int i = 0; i < 2; ++i) lines.insert(lines.end(), bar->begin(), bar->end());
    lines.push_back("");
  }
  lines.push_back("A, 0, 0, 2, 2, 2, 0, W");
  lines.push_back("Solo, 12, 15, 14, 14, 13, 12, H");
  return lines;
}

class TabWindowTest : public ::testing::Test {
 protected:
  test::DialogsScope dialogs;
  QTemporaryDir dir;
  TfrmTab window;

  void Open(TabMode mode, std::vector<std::string> lines, std::string fileName = "Untitled.sly",
            const std::function<void(TabSource&)>& more = {}) {
    TabSource s;
    ASSERT_TRUE(BuildChordList(lines, s.chordList).ok);
    s.lines = std::move(lines);
    s.fileName = std::move(fileName);
    s.tuningText = "Standard Tuning - E A D G B E";
    s.lastDir = dir.path().toStdString();
    if (more) more(s);
    window.Open(mode, std::move(s));
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    QApplication::processEvents();
  }
  QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void Press(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
  }
};

TEST_F(TabWindowTest, SaveWritesTheTextAsATabFile) {
  Open(TabMode::Ascii, {"* Title: Blues", C, G}, dir.path().toStdString() + "/Blues.sly");
  dialogs->fileAnswers = {dir.path() + "/blues.txt"};
  window.btnSave->click();
  ASSERT_EQ(dialogs->fileDialogs.size(), 1u);
  const FileDialogOptions& o = dialogs->fileDialogs[0];
  EXPECT_EQ(o.title, "Save As ASCII Tabulature");
  EXPECT_EQ(o.fileName, dir.path() + "/Blues.tab");
  EXPECT_EQ(o.folder, dir.path());
  EXPECT_EQ(o.filter, "Tab files (*.tab)|*.tab|All Files (*.*)|*.*");
  EXPECT_TRUE(o.confirmOverwrite);
  // Whatever was typed, a .tab file is written, every line ended by CR LF.
  EXPECT_FALSE(QFile::exists(dir.path() + "/blues.txt"));
  const QByteArray bytes = Read(dir.path() + "/blues.tab");
  EXPECT_EQ(bytes.toStdString(), AsciiTabFileText(window.AsciiLines()));
  EXPECT_TRUE(bytes.startsWith("\r\nStandard Tuning - E A D G B E\r\n\r\n"));
  EXPECT_TRUE(bytes.endsWith("|\r\n\r\n\r\n\r\n"));
}

TEST_F(TabWindowTest, SaveAsksBeforeReplacingAFileTheDialogDidNotName) {
  Open(TabMode::Ascii, {C});
  QFile existing(dir.path() + "/keep.tab");
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.write("mine");
  existing.close();
  dialogs->fileAnswers = {dir.path() + "/keep.txt"};
  dialogs->messageAnswers = {MessageResult::No};
  window.btnSave->click();
  EXPECT_EQ(Read(dir.path() + "/keep.tab"), "mine");
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].buttons, MessageButtons::YesNo);
}

TEST_F(TabWindowTest, SaveIntoAMissingFolderIsReported) {
  Open(TabMode::Ascii, {C});
  const QString name = dir.path() + "/no/such/x.tab";
  dialogs->fileAnswers = {name};
  window.btnSave->click();
  EXPECT_EQ(dialogs->texts(), QStringList{"Cannot create file " + name + ": File not found"});
  EXPECT_FALSE(window.AsciiLines().empty());
}

TEST_F(TabWindowTest, PrintGoesToThePrinterPageByPage) {
  std::vector<std::string> lines = BluesLines();
  for (int i = 0; i < 3; ++i) {
    const auto more = BluesLines();
    lines.insert(lines.end(), more.begin() + 2, more.end());
  }
  Open(TabMode::Graphic, lines);
  const QString pdf = dir.path() + "/tab.pdf";
  dialogs->printAnswer = true;
  dialogs->printToFile = pdf;
  window.btnPrint->click();
  EXPECT_EQ(dialogs->printDialogs, 1);
  EXPECT_EQ(dialogs->printedDocName, "Twelve Bar Blues in A");
  const QByteArray bytes = Read(pdf);
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  // 56 bars in 28 rows: more than one page.
  EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2);
  // A cancelled dialog prints nothing.
  QFile::remove(pdf);
  dialogs->printAnswer = false;
  window.btnPrint->click();
  EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(TabWindowTest, KeysScrollTheDrawing) {
  std::vector<std::string> lines;
  for (int i = 0; i < 200; ++i) lines.insert(lines.end(), {C, G, ""});
  Open(TabMode::Graphic, lines);
  QScrollBar* bar = window.PaintBox1->verticalScrollBar();
  EXPECT_EQ(bar->value(), 0);
  Press(window.PaintBox1, Qt::Key_Down);
  EXPECT_EQ(bar->value(), 10);
  Press(window.btnExit, Qt::Key_PageDown);
  EXPECT_EQ(bar->value(), 60);
  Press(window.PaintBox1, Qt::Key_Up);
  EXPECT_EQ(bar->value(), 50);
  Press(window.PaintBox1, Qt::Key_PageUp);
  EXPECT_EQ(bar->value(), 0);
  Press(window.PaintBox1, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.layout(), nullptr);
}

TEST_F(TabWindowTest, TwentyFiveThousandBarsScrollAVirtualArea) {
  std::vector<std::string> lines;
  lines.reserve(100000);
  for (int i = 0; i < 25000; ++i) lines.insert(lines.end(), {C, G, C, ""});
  Open(TabMode::Graphic, lines);
  const int height = window.PaintBox1->DrawingHeight();
  EXPECT_EQ(height, 95 + 12500 * 112);
  QScrollBar* bar = window.PaintBox1->verticalScrollBar();
  EXPECT_EQ(bar->maximum(), height - window.PaintBox1->viewport()->height());
  bar->setValue(bar->maximum() / 2);
  const QImage middle = window.PaintBox1->viewport()->grab().toImage();
  // The middle of the song shows staves: dark pixels on white.
  int dark = 0;
  for (int y = 0; y < middle.height(); ++y)
    for (int x = 0; x < middle.width(); ++x) dark += qGray(middle.pixel(x, y)) < 128;
  EXPECT_GT(dark, 1000);
}

TEST_F(TabWindowTest, NamesRhythmAndCapo) {
  std::vector<std::string> lines = BluesLines();
  lines.insert(lines.begin() + 2, "* Capo: 2");
  const auto shown = [](TabSource& s) {
    s.showNames = s.showRhythm = s.asciiNames = true;
    s.tuning = 355555;
  };
  Open(TabMode::Graphic, lines, "/songs/Blues.sly");
  const int plain = window.PaintBox1->DrawingHeight();
  window.done(QDialog::Accepted);
  Open(TabMode::Graphic, lines, "/songs/Blues.sly", shown);
  window.resize(628, 415);
  QApplication::processEvents();
  // Seven rows, each 20 higher for its names and 30 for its rhythm.
  EXPECT_EQ(window.PaintBox1->DrawingHeight(), plain + 20 + 7 * 50);
  test::SaveShot(test::RenderAt(window, 1.0), "tab_names_rhythm_screen");
  window.done(QDialog::Accepted);
  Open(TabMode::Ascii, lines, "/songs/Blues.sly", shown);
  const QStringList text = window.Memo1->toPlainText().split('\n');
  EXPECT_EQ(text[1], "Standard Tuning - E A D G B E, Capo 2");
  EXPECT_TRUE(text[6].startsWith("       A5     A6     A5")) << text[6].toStdString();
  EXPECT_TRUE(text[12].startsWith("D|")) << text[12].toStdString();
  window.done(QDialog::Accepted);
  // Off, the text is the plain one, the capo's heading aside.
  Open(TabMode::Ascii, lines, "/songs/Blues.sly");
  EXPECT_TRUE(window.Memo1->toPlainText().split('\n')[6].startsWith("|"));
}

// The three windows as the user meets them, and the printed page: each
// shows the song's titles and staves.
TEST_F(TabWindowTest, ScreenshotsShowTheSongAndItPrints) {
  auto darkPixels = [](const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
    return dark;
  };
  Open(TabMode::Graphic, BluesLines(), "/songs/Blues.sly");
  window.resize(628, 415);
  QApplication::processEvents();
  test::SaveShot(test::RenderAt(window, 1.0), "tab_graphic");
  EXPECT_GT(darkPixels(window.PaintBox1->viewport()->grab().toImage()), 1000);
  window.done(QDialog::Accepted);

  Open(TabMode::Ascii, BluesLines(), "/songs/Blues.sly");
  window.resize(628, 415);
  QApplication::processEvents();
  test::SaveShot(test::RenderAt(window, 1.0), "tab_ascii");
  EXPECT_FALSE(window.Memo1->isHidden());
  EXPECT_TRUE(window.PaintBox1->isHidden());
  const std::vector<std::string> ascii = window.AsciiLines();
  ASSERT_GE(ascii.size(), 5u);
  EXPECT_EQ(ascii[1], "Standard Tuning - E A D G B E");
  EXPECT_EQ(Trim(ascii[3]), "Twelve Bar Blues in A");
  window.done(QDialog::Accepted);

  TfrmGetTabInfo prompt;
  prompt.Preload(BluesLines(), "/songs/Blues.sly");
  prompt.setAttribute(Qt::WA_DontShowOnScreen);
  prompt.show();
  QApplication::processEvents();
  test::SaveShot(test::RenderAt(prompt, 1.0), "tab_prompt");
  EXPECT_EQ(prompt.Title(), "Twelve Bar Blues in A");
  EXPECT_EQ(prompt.Subtitle(), "shuffle, two bars a row");

  // The page goes to a PDF file: in the screenshot folder when one is set.
  const QString shots = qEnvironmentVariable("STRUMBLY_SHOTS_DIR");
  const QString pdf = (shots.isEmpty() ? dir.path() : shots) + "/tab_print.pdf";
  QFile::remove(pdf);
  Open(TabMode::Graphic, BluesLines(), "/songs/Blues.sly");
  dialogs->printAnswer = true;
  dialogs->printToFile = pdf;
  window.btnPrint->click();
  const QByteArray printed = Read(pdf);
  EXPECT_TRUE(printed.startsWith("%PDF"));
  EXPECT_GT(printed.size(), 2000);
  EXPECT_TRUE(dialogs->messages.empty());
}

}  // namespace
}  // namespace strumbly
