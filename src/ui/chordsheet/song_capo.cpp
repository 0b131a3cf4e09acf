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

int SongCapo::DocumentCapo(const QTextDocument& document, std::vector<Mention>* mentions) {
  // Only lines that mention a capo can give one; the last of them counts.
  std::vector<std::string> lines;
  if (mentions) mentions->clear();
  for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
    const QString text = b.text();
    if (!MentionsCapo(text)) continue;
    lines.push_back(text.toStdString());
    if (mentions) mentions->push_back({b.position(), static_cast<int>(text.size())});
  }
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

void SongCapo::Changed(int position, int removed, int added) {
  if (readAgain_) return;
  // An edit in or next to a line that mentions a capo may change it.
  for (const Mention& m : mentions_)
    if (m.start <= position + removed && position <= m.start + m.length) {
      readAgain_ = true;
      return;
    }
  // The changed lines may now make one.
  const QTextBlock end = document_->findBlock(position + added).next();
  for (QTextBlock b = document_->findBlock(position); b.isValid() && b != end; b = b.next())
    if (MentionsCapo(b.text())) {
      readAgain_ = true;
      return;
    }
  // Otherwise the lines that mention one only move.
  for (Mention& m : mentions_)
    if (m.start > position) m.start += added - removed;
}

void SongCapo::Update() {
  Watch();
  if (!readAgain_) return;
  readAgain_ = false;
  song_.SetCapo(DocumentCapo(*document_, &mentions_));
}

}  // namespace strumbly
