#include "ui/chordsheet/song_capo.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <string>
#include <vector>

#include "core/app/song_state.h"
#include "core/guitar/capo.h"

namespace strumbly {

namespace {
bool MentionsCapo(const QString& text) { return text.contains(QLatin1String("capo"), Qt::CaseInsensitive); }
}  // namespace

SongCapo::SongCapo(QPlainTextEdit* editor, SongState& song, QObject* parent)
    : QObject(parent), editor_(editor), song_(song) {
  connect(editor_, &QPlainTextEdit::textChanged, this, &SongCapo::Update);
  Update();
}

int SongCapo::DocumentCapo(const QTextDocument& document, bool* namesCapo) {
  // Only lines that mention a capo can give one; the last of them counts.
  std::vector<std::string> lines;
  for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
    const QString text = b.text();
    if (MentionsCapo(text)) lines.push_back(text.toStdString());
  }
  if (namesCapo) *namesCapo = !lines.empty();
  return FindSongCapo(lines);
}

// A new document (a song opened) is read whole.
void SongCapo::Watch() {
  QTextDocument* document = editor_->document();
  if (document == document_) return;
  if (document_) disconnect(document_, nullptr, this, nullptr);
  document_ = document;
  connect(document, &QTextDocument::contentsChange, this, &SongCapo::Changed);
  readAgain_ = true;
}

void SongCapo::Changed(int position, int, int added) {
  if (readAgain_ || namesCapo_) {
    readAgain_ = true;
    return;
  }
  // Without a capo line before, only the changed lines can have made one.
  const QTextBlock end = document_->findBlock(position + added).next();
  for (QTextBlock b = document_->findBlock(position); b.isValid() && b != end; b = b.next())
    if (MentionsCapo(b.text())) {
      readAgain_ = true;
      return;
    }
}

void SongCapo::Update() {
  Watch();
  if (!readAgain_) return;
  readAgain_ = false;
  song_.SetCapo(DocumentCapo(*document_, &namesCapo_));
}

}  // namespace strumbly
