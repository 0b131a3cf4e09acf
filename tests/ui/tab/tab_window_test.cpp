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

  void Open(TabMode mode, std::vector<std::string> lines, std::string fileName = "Untitled.sly") {
    TabSource s;
    ASSERT_TRUE(BuildChordList(lines, s.chordList).ok);
    s.lines = std::move(lines);
    s.fileName = std::move(fileName);
    s.tuningText = "Standard Tuning - E A D G B E";
    s.lastDir = dir.path().toStdString();
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

TEST_F(TabWindowTest, Screenshots) {
  Open(TabMode::Graphic, BluesLines(), "/songs/Blues.sly");
  window.resize(628, 415);
  QApplication::processEvents();
  test::SaveShot(test::RenderAt(window, 1.0), "tab_graphic");
  window.done(QDialog::Accepted);
  Open(TabMode::Ascii, BluesLines(), "/songs/Blues.sly");
  window.resize(628, 415);
  QApplication::processEvents();
  test::SaveShot(test::RenderAt(window, 1.0), "tab_ascii");
  EXPECT_FALSE(window.Memo1->isHidden());
  EXPECT_TRUE(window.PaintBox1->isHidden());
  TfrmGetTabInfo prompt;
  prompt.Preload(BluesLines(), "/songs/Blues.sly");
  prompt.setAttribute(Qt::WA_DontShowOnScreen);
  prompt.show();
  QApplication::processEvents();
  test::SaveShot(test::RenderAt(prompt, 1.0), "tab_prompt");
  const QString pdf = qEnvironmentVariable("STRUMBLY_SHOTS_DIR");
  if (!pdf.isEmpty()) {
    window.done(QDialog::Accepted);
    Open(TabMode::Graphic, BluesLines(), "/songs/Blues.sly");
    dialogs->printAnswer = true;
    dialogs->printToFile = pdf + "/tab_print.pdf";
    window.btnPrint->click();
  }
}

}  // namespace
}  // namespace strumbly
