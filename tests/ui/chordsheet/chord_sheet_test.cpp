#include "ui/chordsheet/chord_sheet.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>

#include "core/chordsheet/chord_line.h"
#include "support/shots.h"

using strumbly::ChordSheet;
namespace test = strumbly::test;

namespace {
struct Sheet {
  QPlainTextEdit editor;
  ChordSheet sheet{&editor};
  explicit Sheet(const QString& text) { editor.setPlainText(text); }
};
}  // namespace

TEST(ChordSheet, LinesAndTheEmptyPositionAfterTheLast) {
  Sheet empty("");
  EXPECT_EQ(empty.sheet.LineCount(), 0);
  EXPECT_EQ(empty.sheet.CurrentLine(), 0);
  EXPECT_EQ(empty.sheet.Line(0), "");

  Sheet s("a\nb\n");
  EXPECT_EQ(s.sheet.LineCount(), 2);
  s.editor.moveCursor(QTextCursor::End);
  EXPECT_EQ(s.sheet.CurrentLine(), 2);
  EXPECT_EQ(s.sheet.Line(2), "");
  EXPECT_EQ(s.sheet.Line(-1), "");

  Sheet noBreak("a\n\nc");
  EXPECT_EQ(noBreak.sheet.LineCount(), 3);
  EXPECT_EQ(noBreak.sheet.Lines(), (QStringList{"a", "", "c"}));
}

TEST(ChordSheet, PositionsCountLineBreaksAsTwoCharacters) {
  Sheet s("Am\n\nC, x, 3, 2, 0, 1, 0, Q");
  s.sheet.SelectLine(2, true);
  EXPECT_EQ(s.sheet.SelStart(), 6);
  EXPECT_EQ(s.sheet.SelLength(), 22);
  EXPECT_EQ(s.sheet.LineStart(1), 4);
  s.sheet.SelectLine(1, false);
  EXPECT_EQ(s.sheet.SelStart(), 4);
  EXPECT_EQ(s.sheet.SelLength(), 0);
  // A selection from the middle of line 0 across the break into line 2.
  s.sheet.SetSelection(1, 7);
  EXPECT_EQ(s.sheet.SelStart(), 1);
  EXPECT_EQ(s.sheet.SelLength(), 7);
  EXPECT_EQ(s.editor.textCursor().selectedText(), QString("m") + QChar(0x2029) + QChar(0x2029) + "C,");
  EXPECT_EQ(s.sheet.CurrentLine(), 0);
}

TEST(ChordSheet, LastSelectedLine) {
  Sheet s("a\n\nb\n\nc");
  s.sheet.SetSelection(0, 5);                // "a", break, and the break of empty line 1
  EXPECT_EQ(s.sheet.LastSelectedLine(), 1);  // empty line 1 stays 1
  s.sheet.SetSelection(0, 10);               // ends in the break of empty line 3
  EXPECT_EQ(s.sheet.LastSelectedLine(), 2);
  s.sheet.SetSelection(5, 3);
  EXPECT_EQ(s.sheet.LastSelectedLine(), 2);
}

TEST(ChordSheet, LineOperationsMoveTheCaret) {
  Sheet s("a\nb\nc\n");
  s.sheet.ReplaceLine(1, "B2");
  EXPECT_EQ(s.editor.toPlainText(), "a\nB2\nc\n");
  EXPECT_EQ(s.sheet.SelStart(), s.sheet.LineStart(1) + 2);

  s.sheet.InsertLine(1, "new");
  EXPECT_EQ(s.sheet.Lines(), (QStringList{"a", "new", "B2", "c"}));
  EXPECT_EQ(s.sheet.SelStart(), s.sheet.LineStart(2));

  s.sheet.AddLine("end");
  EXPECT_EQ(s.sheet.Lines(), (QStringList{"a", "new", "B2", "c", "end"}));
  EXPECT_EQ(s.sheet.CurrentLine(), 5);

  s.sheet.DeleteLine(0);
  EXPECT_EQ(s.sheet.Lines(), (QStringList{"new", "B2", "c", "end"}));
  EXPECT_EQ(s.sheet.SelStart(), 0);
  s.sheet.DeleteLine(4);  // the empty position: nothing happens
  EXPECT_EQ(s.sheet.LineCount(), 4);

  Sheet noBreak("x\ny");
  noBreak.sheet.AddLine("z");
  EXPECT_EQ(noBreak.editor.toPlainText(), "x\ny\nz\n");
  Sheet last("x\ny");
  last.sheet.DeleteLine(1);
  EXPECT_EQ(last.sheet.Lines(), (QStringList{"x"}));
  EXPECT_EQ(last.sheet.CurrentLine(), 1);
  Sheet blank("");
  blank.sheet.AddLine("");
  EXPECT_EQ(blank.sheet.LineCount(), 1);
  EXPECT_EQ(blank.sheet.CurrentLine(), 1);
}

namespace {
// Whether the line carries the wavy underline of a bad line.
bool Marked(const QPlainTextEdit& editor, int line) {
  const QTextBlock b = editor.document()->findBlockByNumber(line);
  for (const QTextLayout::FormatRange& r : b.layout()->formats())
    if (r.format.underlineStyle() == QTextCharFormat::WaveUnderline && r.start == 0 && r.length == b.length() - 1)
      return true;
  return false;
}

std::vector<bool> MarkedLines(const QPlainTextEdit& editor) {
  std::vector<bool> marked;
  for (int i = 0; i < editor.document()->blockCount(); ++i) marked.push_back(Marked(editor, i));
  return marked;
}

// The tooltip the editor shows with the mouse over a line.
QString TipOver(QPlainTextEdit& editor, int line) {
  QTextCursor c(editor.document()->findBlockByNumber(line));
  const QPoint at = editor.cursorRect(c).center() + QPoint(20, 0);
  QHelpEvent help(QEvent::ToolTip, at, editor.viewport()->mapToGlobal(at));
  QApplication::sendEvent(editor.viewport(), &help);
  return QToolTip::isVisible() ? QToolTip::text() : QString();
}
}  // namespace

TEST(ChordSheet, BadChordLinesAreMarkedAndTellTheParsersMessage) {
  Sheet s("C, x, 3, 2, 0, 1, 0, Q\n* a comment, x\n\n   \nC, x, 3\nAm, x, 0, 2, 2, 1, 0, Q\nD, x, x, 0, 2, 3, 99, Q");
  s.editor.resize(480, 200);
  s.editor.show();
  EXPECT_EQ(MarkedLines(s.editor), (std::vector<bool>{false, false, false, false, true, false, true}));
  test::SaveShot(s.editor.grab(), "editor_bad_line");

  // The message is the parser's, numbered as the line stands now.
  std::string expected;
  strumbly::ChordRecord r;
  expected = strumbly::ParseChordText("C, x, 3", 5, r);
  ASSERT_FALSE(expected.empty());
  s.sheet.InsertLine(0, "* new first line");
  EXPECT_EQ(TipOver(s.editor, 1), "");  // a good line has no tip of ours
  EXPECT_EQ(TipOver(s.editor, 5).toStdString(), expected);

  // Marks follow edits, and a document taken whole.
  s.sheet.ReplaceLine(5, "C, x, 3, 2, 0, 1, 0, Q");
  s.sheet.ReplaceLine(1, "C, x, 3, 2, 0, 1, 0, QQ,");
  EXPECT_EQ(MarkedLines(s.editor), (std::vector<bool>{false, true, false, false, false, false, false, true}));
  s.sheet.TakeDocument(ChordSheet::MakeDocument({"G, 3, 2, 0, 0, 0, 3, H", "G, 3, 2, 0, 0, 0, 3"}, nullptr));
  QApplication::processEvents();
  EXPECT_EQ(MarkedLines(s.editor), (std::vector<bool>{false, true, false}));
}
