#pragma once
// Marks every chord line the parser refuses with a wavy red underline on a
// faint red ground, and shows the parser's message as the tooltip of the
// line under the mouse.
// The marks are kept by the document's highlighting, which looks again only
// at the lines an edit touched, so typing in a long song costs one line's
// parse. Comment lines, blank lines and good chord lines stay unmarked.
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

class QPlainTextEdit;
class QTextBlock;

namespace strumbly {

class BadLineMarks : public QSyntaxHighlighter {
  Q_OBJECT
 public:
  // Marks the editor's document, now and whenever the editor takes another
  // one (call Follow then), and answers tooltip requests over its text.
  explicit BadLineMarks(QPlainTextEdit* editor);
  void Follow();

  // The parser's message for a line, empty when the line is good.
  static QString Message(const QTextBlock& block);

 protected:
  void highlightBlock(const QString& text) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPlainTextEdit* editor_;
  QTextCharFormat mark_;
};

}  // namespace strumbly
