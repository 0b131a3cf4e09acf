#include "ui/app/song_recovery.h"

#include <algorithm>
#include <cstdio>

#include "core/app/recovery.h"
#include "core/app/song_names.h"
#include "core/app/song_state.h"
#include "platform/dialogs.h"
#include "ui/chordsheet/chord_sheet.h"
#include "ui/qt_text.h"

namespace strumbly {

SongRecovery::SongRecovery(QWidget* dialogParent, ChordSheet& sheet, SongState& song)
    : QObject(dialogParent), dialogParent_(dialogParent), sheet_(sheet), song_(song) {
  timer_.setSingleShot(true);
  timer_.setInterval(kDelayMs);
  connect(&timer_, &QTimer::timeout, this, &SongRecovery::Flush);
}

// The timer is not restarted by later changes, so steady typing still
// reaches the file every few seconds.
void SongRecovery::Changed() {
  if (!timer_.isActive()) timer_.start();
}

void SongRecovery::Flush() {
  timer_.stop();
  if (!song_.Modified()) {
    store_.Remove();
    return;
  }
  RecoveredSong r;
  r.fileName = song_.FileName();
  r.patch = song_.Patch();
  r.tuning = song_.Tuning();
  r.tempo = song_.Tempo();
  r.duration = song_.CurrentDuration();
  r.currentLine = sheet_.CurrentLine();
  r.lines = ToStdStrings(sheet_.Lines());
  try {
    store_.Save(r);
  } catch (const std::exception& e) {
    // A safety copy that cannot be written must not interrupt the user's
    // work with a box every few seconds.
    std::fprintf(stderr, "strumbly: the recovery file could not be written: %s\n", e.what());
  }
}

void SongRecovery::Forget() {
  timer_.stop();
  store_.Remove();
}

void SongRecovery::OfferLeftOver() {
  const std::optional<QString> leftOver = store_.FindLeftOver();
  if (!leftOver) return;
  const std::optional<RecoveredSong> r = RecoveryStore::Load(*leftOver);
  if (r && dialogs().Ask(dialogParent_, kRecoverCaption, Q(RecoverQuestion(r->fileName)), MessageButtons::YesNo) ==
               MessageResult::Yes) {
    sheet_.SetLines(ToQStrings(r->lines));
    song_.AdoptFileName(r->fileName, r->fileName == kUntitledName ? NameSource::NewSong : NameSource::Opened);
    song_.SetPatch(static_cast<std::uint8_t>(r->patch));
    song_.SetTuning(r->tuning);
    song_.SetCurrentDuration(r->duration);
    song_.SetTempo(r->tempo);
    song_.SetModified(true);
    sheet_.SelectLine(std::clamp(r->currentLine, 0, sheet_.LineCount()), false);
    emit recovered(sheet_.CurrentLine());
    Flush();  // kept under this run's name from now on
  }
  RecoveryStore::Remove(*leftOver);
}

}  // namespace strumbly
