#pragma once
// The song as the user edits it: the editor's text seen as a list of lines.
// Positions count every line break as two characters (CR LF), as the song
// file does; every look-up goes through the document's block structure, so
// nothing here walks over all lines.
#include <QPlainTextEdit>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>
#include <memory>

namespace strumbly {

// The editor control. It leaves the program's own menu shortcuts to the
// menus (Paste inserts before the selection, Ctrl+A selects all, ...) and
// tells the window about key releases and left clicks.
class ChordEditor : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit ChordEditor(QWidget* parent = nullptr);

 signals:
  void keyReleased(int key);
  void leftButtonPressed();

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
};

class BadLineMarks;

class ChordSheet {
 public:
  // Bad chord lines in the editor are marked while the sheet lives.
  explicit ChordSheet(QPlainTextEdit* editor);
  ~ChordSheet();
  ChordSheet(const ChordSheet&) = delete;
  ChordSheet& operator=(const ChordSheet&) = delete;
  QPlainTextEdit* editor() const { return editor_; }

  // Every change made while one lives is a single step of the editor's
  // undo, however many lines it touched.
  class EditBlock {
   public:
    explicit EditBlock(ChordSheet& sheet);
    ~EditBlock();
    EditBlock(const EditBlock&) = delete;
    EditBlock& operator=(const EditBlock&) = delete;

   private:
    QTextCursor cursor_;
  };

  // Lines, not counting the empty position after a final line break.
  int LineCount() const;
  // The text of line n; the empty text at or past the line count.
  QString Line(int n) const;
  QStringList Lines() const;
  void SetLines(const QStringList& lines);  // one edit; caret to the start
  // A document holding lines, made apart from the editor in steps; after
  // each step progress(done, total) is told, and when it answers false the
  // making stops and nothing is given back. Large songs are made this way,
  // so their loading can show its progress and be cancelled.
  static std::unique_ptr<QTextDocument> MakeDocument(const QStringList& lines,
                                                     const std::function<bool(int, int)>& progress);
  // The editor takes the document as its text (as SetLines would).
  void TakeDocument(std::unique_ptr<QTextDocument> document);
  void Clear();

  // Line operations; each changes the text (so sets Modified) and moves the
  // caret: to the end of a replaced line, to the start of the line after an
  // inserted one, to the start of the line that took a deleted one's place.
  void ReplaceLine(int n, const QString& text);
  void InsertLine(int n, const QString& text);  // n = LineCount() appends
  void AddLine(const QString& text) { InsertLine(LineCount(), text); }
  void DeleteLine(int n);
  // Lines first to first + lines.size() - 1 take the new texts in one edit;
  // the range is then selected whole.
  void ReplaceLines(int first, const QStringList& lines);

  int CurrentLine() const;
  int LastSelectedLine() const;
  void SelectLine(int n, bool wholeLine);

  // Selection in positions that count a line break as two characters.
  int SelStart() const;
  int SelLength() const;
  void SetSelection(int start, int length);
  int LineStart(int n) const;

 private:
  int ToSheetPosition(int documentPosition) const;
  int ToDocumentPosition(int sheetPosition) const;
  QPlainTextEdit* editor_;
  QPointer<BadLineMarks> marks_;  // a child of the editor
};

}  // namespace strumbly
