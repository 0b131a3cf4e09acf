#include "ui/chordsheet/chord_sheet.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "ui/chordsheet/bad_line_marks.h"

namespace strumbly {

ChordEditor::ChordEditor(QWidget* parent) : QPlainTextEdit(parent) {}

namespace {
// Key combinations that belong to the window's menus, not to the editor.
bool IsMenuShortcut(const QKeyEvent* k) {
  const auto mods = k->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
  if (mods == Qt::ControlModifier) {
    switch (k->key()) {
      case Qt::Key_Z:
      case Qt::Key_X:
      case Qt::Key_C:
      case Qt::Key_V:
      case Qt::Key_Delete:
      case Qt::Key_A:
      case Qt::Key_N:
      case Qt::Key_O:
      case Qt::Key_S:
      case Qt::Key_F:
      case Qt::Key_G:
      case Qt::Key_P:
      case Qt::Key_Q:
      case Qt::Key_Y:
      case Qt::Key_Insert:
        return true;
      default:
        return false;
    }
  }
  // Redo, Save As and Find Previous.
  if (mods == (Qt::ControlModifier | Qt::ShiftModifier))
    return k->key() == Qt::Key_Z || k->key() == Qt::Key_S || k->key() == Qt::Key_G;
  if (mods == Qt::NoModifier) return k->key() >= Qt::Key_F1 && k->key() <= Qt::Key_F12;
  // Shift+Delete, Shift+Insert and Ctrl+Insert are the editor's other
  // clipboard keys; they belong to the same menu commands.
  if (mods == Qt::ShiftModifier) return k->key() == Qt::Key_Delete || k->key() == Qt::Key_Insert;
  return false;
}
}  // namespace

bool ChordEditor::event(QEvent* e) {
  if (e->type() == QEvent::ShortcutOverride && IsMenuShortcut(static_cast<QKeyEvent*>(e))) {
    e->ignore();
    return false;
  }
  return QPlainTextEdit::event(e);
}

void ChordEditor::keyPressEvent(QKeyEvent* e) {
  if (IsMenuShortcut(e) || e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Undo) ||
      e->matches(QKeySequence::Redo)) {
    e->ignore();
    return;
  }
  QPlainTextEdit::keyPressEvent(e);
}

void ChordEditor::keyReleaseEvent(QKeyEvent* e) {
  QPlainTextEdit::keyReleaseEvent(e);
  if (!e->isAutoRepeat()) emit keyReleased(e->key());
}

void ChordEditor::mousePressEvent(QMouseEvent* e) {
  QPlainTextEdit::mousePressEvent(e);
  if (e->button() == Qt::LeftButton) emit leftButtonPressed();
}

ChordSheet::ChordSheet(QPlainTextEdit* editor) : editor_(editor), marks_(new BadLineMarks(editor)) {}

// The editor may be gone first; when it is not, the marks go with the sheet.
ChordSheet::~ChordSheet() { delete marks_.data(); }

// The block's cursor stands at the end of the caret's line when the command
// starts. The document remembers that place and puts the caret back there on
// Undo, so Undo keeps the line the command worked on instead of going to the
// top. The end of the line is taken because a command's own first change is
// never there (a place the first change starts at is not remembered).
ChordSheet::EditBlock::EditBlock(ChordSheet& sheet) : cursor_(sheet.editor()->document()) {
  const QTextBlock line = sheet.editor()->document()->findBlock(sheet.editor()->textCursor().selectionStart());
  cursor_.setPosition(line.position() + line.length() - 1);
  cursor_.beginEditBlock();
}

ChordSheet::EditBlock::~EditBlock() { cursor_.endEditBlock(); }

int ChordSheet::LineCount() const {
  const QTextDocument* doc = editor_->document();
  const int blocks = doc->blockCount();
  return doc->lastBlock().length() <= 1 ? blocks - 1 : blocks;
}

QString ChordSheet::Line(int n) const {
  if (n < 0 || n >= LineCount()) return {};
  return editor_->document()->findBlockByNumber(n).text();
}

QStringList ChordSheet::Lines() const {
  QStringList lines;
  const int count = LineCount();
  lines.reserve(count);
  QTextBlock b = editor_->document()->firstBlock();
  for (int i = 0; i < count && b.isValid(); ++i, b = b.next()) lines << b.text();
  return lines;
}

void ChordSheet::SetLines(const QStringList& lines) {
  QString text = lines.join('\n');
  if (!lines.isEmpty()) text += '\n';
  editor_->setPlainText(text);
  editor_->moveCursor(QTextCursor::Start);
}

std::unique_ptr<QTextDocument> ChordSheet::MakeDocument(const QStringList& lines,
                                                        const std::function<bool(int, int)>& progress) {
  constexpr int kStep = 5000;
  auto document = std::make_unique<QTextDocument>();
  document->setUndoRedoEnabled(false);
  QTextCursor c(document.get());
  const int total = static_cast<int>(lines.size());
  for (int i = 0; i < total; i += kStep) {
    const int n = std::min(kStep, total - i);
    c.insertText(lines.mid(i, n).join('\n') + '\n');
    if (progress && !progress(i + n, total)) return nullptr;
  }
  return document;
}

void ChordSheet::TakeDocument(std::unique_ptr<QTextDocument> document) {
  document->setDefaultFont(editor_->document()->defaultFont());
  document->setDocumentLayout(new QPlainTextDocumentLayout(document.get()));
  document->setUndoRedoEnabled(true);
  // The editor's first document goes with the editor's own setDocument; one
  // given earlier here has the editor as parent and goes now.
  QTextDocument* old = editor_->document();
  const bool givenEarlier = old->parent() == editor_;
  QTextDocument* taken = document.release();
  taken->setParent(editor_);
  editor_->setDocument(taken);
  if (givenEarlier) old->deleteLater();
  marks_->Follow();
  editor_->moveCursor(QTextCursor::Start);
  // The text is new; whoever follows the editor's text hears of it.
  emit editor_->textChanged();
}

void ChordSheet::Clear() { editor_->clear(); }

void ChordSheet::ReplaceLine(int n, const QString& text) {
  if (n < 0) return;
  if (n >= LineCount()) {
    InsertLine(LineCount(), text);
    return;
  }
  QTextBlock b = editor_->document()->findBlockByNumber(n);
  QTextCursor c(b);
  c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  c.insertText(text);
  editor_->setTextCursor(c);
}

void ChordSheet::InsertLine(int n, const QString& text) {
  const int count = LineCount();
  n = std::clamp(n, 0, count);
  QTextDocument* doc = editor_->document();
  QTextCursor c(doc);
  if (n == 0 && count > 0) {
    // The line break goes in first and the text before it, so that Redo,
    // which leaves the caret after the last change, puts it on this line.
    c.insertText(QStringLiteral("\n"));
    c.setPosition(0);
    c.insertText(text);
    c.movePosition(QTextCursor::NextBlock);
  } else if (n < count) {
    // Added after the end of the line before, for the same reason.
    c.setPosition(doc->findBlockByNumber(n - 1).position() + doc->findBlockByNumber(n - 1).length() - 1);
    c.insertText('\n' + text);
    c.movePosition(QTextCursor::NextBlock);
  } else {
    c.movePosition(QTextCursor::End);
    // A text without a final line break gets one first, so the new line is a
    // line of its own and the caret ends after it.
    c.insertText((doc->lastBlock().length() > 1 ? "\n" : "") + text + '\n');
  }
  editor_->setTextCursor(c);
}

void ChordSheet::DeleteLine(int n) {
  if (n < 0 || n >= LineCount()) return;
  QTextDocument* doc = editor_->document();
  QTextBlock b = doc->findBlockByNumber(n);
  QTextCursor c(doc);
  if (b.next().isValid()) {
    c.setPosition(b.position());
    c.setPosition(b.next().position(), QTextCursor::KeepAnchor);
  } else {
    // The last line without a final line break: its text goes and the caret
    // stands on the empty position after the line before.
    c.setPosition(b.position());
    c.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
  }
  c.removeSelectedText();
  editor_->setTextCursor(c);
}

void ChordSheet::ReplaceLines(int first, const QStringList& lines) {
  if (first < 0 || lines.isEmpty() || first + lines.size() > LineCount()) return;
  QTextDocument* doc = editor_->document();
  QTextCursor c(doc->findBlockByNumber(first));
  c.setPosition(doc->findBlockByNumber(first + static_cast<int>(lines.size()) - 1).position(), QTextCursor::KeepAnchor);
  c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  const int start = c.selectionStart();
  c.insertText(lines.join('\n'));
  c.setPosition(start, QTextCursor::KeepAnchor);
  editor_->setTextCursor(c);
}

int ChordSheet::CurrentLine() const {
  const QTextCursor c = editor_->textCursor();
  return editor_->document()->findBlock(c.selectionStart()).blockNumber();
}

int ChordSheet::LastSelectedLine() const {
  const QTextCursor c = editor_->textCursor();
  const int last = std::max(0, c.selectionEnd() - 1);
  const int line = editor_->document()->findBlock(last).blockNumber();
  if (line > 1 && Line(line).isEmpty()) return line - 1;
  return line;
}

void ChordSheet::SelectLine(int n, bool wholeLine) {
  QTextDocument* doc = editor_->document();
  QTextCursor c(doc);
  QTextBlock b = doc->findBlockByNumber(n);
  if (!b.isValid()) b = doc->lastBlock();
  c.setPosition(b.position());
  editor_->setFocus();
  if (wholeLine) c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  editor_->setTextCursor(c);
  editor_->setFocus();
}

int ChordSheet::ToSheetPosition(int documentPosition) const {
  return documentPosition + editor_->document()->findBlock(documentPosition).blockNumber();
}

int ChordSheet::LineStart(int n) const {
  const QTextBlock b = editor_->document()->findBlockByNumber(n);
  return b.isValid() ? b.position() + n : ToSheetPosition(editor_->document()->characterCount() - 1);
}

// Binary search over the lines: each step is one block look-up.
int ChordSheet::ToDocumentPosition(int sheetPosition) const {
  const QTextDocument* doc = editor_->document();
  int lo = 0, hi = doc->blockCount() - 1;
  while (lo < hi) {
    const int mid = (lo + hi + 1) / 2;
    if (LineStart(mid) <= sheetPosition)
      lo = mid;
    else
      hi = mid - 1;
  }
  const QTextBlock b = doc->findBlockByNumber(lo);
  const int offset = std::clamp(sheetPosition - (b.position() + lo), 0, b.length() - 1);
  return b.position() + offset;
}

int ChordSheet::SelStart() const { return ToSheetPosition(editor_->textCursor().selectionStart()); }

int ChordSheet::SelLength() const {
  const QTextCursor c = editor_->textCursor();
  return ToSheetPosition(c.selectionEnd()) - ToSheetPosition(c.selectionStart());
}

void ChordSheet::SetSelection(int start, int length) {
  QTextCursor c(editor_->document());
  c.setPosition(ToDocumentPosition(start));
  if (length > 0) c.setPosition(ToDocumentPosition(start + length), QTextCursor::KeepAnchor);
  editor_->setTextCursor(c);
}

}  // namespace strumbly
