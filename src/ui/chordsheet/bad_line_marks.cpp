#include "ui/chordsheet/bad_line_marks.h"

#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolTip>

#include "core/chordsheet/chord_line.h"

namespace strumbly {

namespace {

// Comment and blank lines are told apart before parsing, which is the
// common case for them and spares the conversion of their text.
bool MayBeBad(const QString& text) {
  if (text.isEmpty() || text.front() == u'*') return false;
  for (QChar c : text)
    if (c.unicode() > 32) return true;
  return false;
}

std::string ParseError(const QString& text, int lineIndex) {
  if (!MayBeBad(text)) return {};
  ChordRecord record;
  return ParseChordText(text.toStdString(), lineIndex, record);
}

}  // namespace

BadLineMarks::BadLineMarks(QPlainTextEdit* editor) : QSyntaxHighlighter(editor), editor_(editor) {
  mark_.setUnderlineStyle(QTextCharFormat::WaveUnderline);
  mark_.setUnderlineColor(QColor(230, 30, 30));
  // A faint red tint behind the text too, which shows on light and dark
  // editors alike.
  mark_.setBackground(QColor(230, 30, 30, 48));
  editor_->viewport()->installEventFilter(this);
  Follow();
}

void BadLineMarks::Follow() {
  if (document() != editor_->document()) setDocument(editor_->document());
}

QString BadLineMarks::Message(const QTextBlock& block) {
  return QString::fromStdString(ParseError(block.text(), block.blockNumber()));
}

void BadLineMarks::highlightBlock(const QString& text) {
  // Whether a line is good does not depend on where it stands, so the
  // line number given here is only for the parser's message, not kept.
  if (!ParseError(text, 0).empty()) setFormat(0, static_cast<int>(text.size()), mark_);
}

bool BadLineMarks::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor_->viewport() && event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const QTextCursor at = editor_->cursorForPosition(help->pos());
    const QTextBlock block = at.block();
    // Only over the line itself, not in the empty space below the text.
    const QRect caret = editor_->cursorRect(at);
    const QRect line(0, caret.top(), editor_->viewport()->width(), caret.height());
    const QString message = line.contains(help->pos()) ? Message(block) : QString();
    if (!message.isEmpty()) {
      QToolTip::showText(help->globalPos(), message, editor_->viewport(), line);
      return true;
    }
  }
  return QSyntaxHighlighter::eventFilter(watched, event);
}

}  // namespace strumbly
