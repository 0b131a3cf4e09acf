#include "ui/app/song_recovery.h"

#include <QFileInfo>
#include <algorithm>
#include <cstdio>

#include "core/app/recovery.h"
#include "core/app/song_names.h"
#include "core/app/song_state.h"
#include "platform/dialogs.h"
#include "ui/app/song_files.h"
#include "ui/chordsheet/chord_sheet.h"
#include "ui/qt_text.h"

namespace strumbly {

SongRecovery::SongRecovery(QWidget* dialogParent, ChordSheet& sheet, SongState& song, SongFiles& songFiles)
    : QObject(dialogParent), dialogParent_(dialogParent), sheet_(sheet), song_(song), songFiles_(songFiles) {
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
  for (const QString& leftOver : store_.FindLeftOvers()) {
    std::optional<RecoveredSong> r = RecoveryStore::Load(leftOver);
    if (!r) {
      // The work in it is the user's, even when this program cannot read
      // it back: it stays where it is.
      dialogs().Message(dialogParent_, MessageKind::Warning,
                        "The unsaved changes of an earlier run could not be read. They are kept in " + leftOver + ".",
                        MessageButtons::Ok);
      continue;
    }
    if (dialogs().Ask(dialogParent_, kRecoverCaption, Q(RecoverQuestion(r->fileName)), MessageButtons::YesNo) !=
        MessageResult::Yes) {
      RecoveryStore::Remove(leftOver);
      continue;  // another ended run may have left a song, too
    }
    const int line = r->currentLine;
    songFiles_.RecoverSong(std::move(*r));
    sheet_.SelectLine(std::clamp(line, 0, sheet_.LineCount()), false);
    emit recovered(sheet_.CurrentLine());
    Flush();  // kept under this run's name from now on
    // Should that copy fail, the left-over one keeps the song safe.
    if (QFileInfo::exists(store_.path())) RecoveryStore::Remove(leftOver);
    return;
  }
}

}  // namespace strumbly
