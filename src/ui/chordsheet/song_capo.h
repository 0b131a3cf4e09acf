#pragma once
// Keeps the song state's capo to what the editor's lines give ("* Capo: N").
// Most edits cannot touch a capo line, so the song is read again only when
// the changed text or the last reading holds one.
#include <QObject>
#include <QPointer>

class QPlainTextEdit;
class QTextDocument;

namespace strumbly {

class SongState;

class SongCapo : public QObject {
  Q_OBJECT
 public:
  // The editor and the song must outlive this.
  SongCapo(QPlainTextEdit* editor, SongState& song, QObject* parent = nullptr);

  // The capo of the lines of a document.
  static int DocumentCapo(const QTextDocument& document, bool* namesCapo = nullptr);

 private:
  void Watch();
  void Changed(int position, int removed, int added);
  void Update();

  QPlainTextEdit* editor_;
  SongState& song_;
  QPointer<QTextDocument> document_;
  bool readAgain_ = true;
  bool namesCapo_ = false;  // a line of the last reading mentions a capo
};

}  // namespace strumbly
