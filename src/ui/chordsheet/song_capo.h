#pragma once
// Keeps the song state's capo to what the editor's lines give ("* Capo: N").
// Most edits cannot touch a capo line, so the song is read again only when
// an edit touches a line that mentions a capo or makes one.
#include <QObject>
#include <QPointer>
#include <vector>

class QPlainTextEdit;
class QTextDocument;

namespace strumbly {

class SongState;

class SongCapo : public QObject {
  Q_OBJECT
 public:
  // The editor and the song must outlive this.
  SongCapo(QPlainTextEdit* editor, SongState& song, QObject* parent = nullptr);

  // Where a line that mentions a capo lies: its first character and length.
  struct Mention {
    int start = 0;
    int length = 0;
  };
  // The capo of the lines of a document; mentions, when given, receives the
  // lines that mention one.
  static int DocumentCapo(const QTextDocument& document, std::vector<Mention>* mentions = nullptr);

 private:
  void Watch();
  void Changed(int position, int removed, int added);
  void Update();

  QPlainTextEdit* editor_;
  SongState& song_;
  QPointer<QTextDocument> document_;
  bool readAgain_ = true;
  std::vector<Mention> mentions_;  // as the last reading found them, moved with the edits since
};

}  // namespace strumbly
