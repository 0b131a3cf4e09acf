#include "ui/app/song_files.h"

#include <QFileInfo>
#include <QProgressDialog>
#include <QTextDocument>

#include "core/app/song_names.h"
#include "platform/dialogs.h"
#include "platform/song_io.h"
#include "ui/busy_cursor.h"
#include "ui/chordsheet/chord_sheet.h"
#include "ui/guitar/tuning_menu.h"
#include "ui/qt_text.h"
#include "ui/replace_question.h"

namespace strumbly {

namespace {

FileDialogOptions SongDialogOptions(const QString& title, const Settings& settings) {
  FileDialogOptions o;
  o.title = title;
  o.folder = Q(settings.LastDir);
  o.filter = kSongFilter;
  o.defaultSuffix = kSongDefaultExtension;
  return o;
}

}  // namespace

SongFiles::SongFiles(QWidget* dialogParent, ChordSheet& sheet, SongState& song, const Settings& settings,
                     std::function<void(const std::string& folder)> setLastDir, TuningMenu& tuningMenu)
    : dialogParent_(dialogParent),
      sheet_(sheet),
      song_(song),
      settings_(settings),
      setLastDir_(std::move(setLastDir)),
      tuningMenu_(tuningMenu) {
  // A song that takes a name by any other way (a new or recovered song)
  // has not been seen on disk under it.
  song_.OnFileNameAdopted([this](const std::string&, NameSource) {
    seenPath_.clear();
    seenStamp_.reset();
  });
}

void SongFiles::RememberFile(const QString& path, std::optional<FileStamp> stamp) {
  seenPath_ = path;
  seenStamp_ = stamp;
}

bool SongFiles::MayReplace(const QString& path) {
  if (path != seenPath_ || !seenStamp_) return true;
  const std::optional<FileStamp> now = StampOfFile(path);
  // A file that is gone is simply written again.
  if (!now || *now == *seenStamp_) return true;
  const QString question = Q(FileNameOf(S(path))) + " was changed by another program since it was opened. Replace it?";
  return dialogs().Message(dialogParent_, MessageKind::Warning, question, MessageButtons::YesNo) == MessageResult::Yes;
}

void SongFiles::NewSong() {
  sheet_.Clear();
  song_.AdoptFileName(kUntitledName, NameSource::NewSong);
  ResetSongState();
}

void SongFiles::ResetSongState() {
  emit songReset();
  song_.ResetSound();
  song_.SetModified(false);
}

void SongFiles::LoadSongText(const SongText& text, std::unique_ptr<QTextDocument> lines) {
  if (lines)
    sheet_.TakeDocument(std::move(lines));
  else
    sheet_.SetLines(ToQStrings(text.lines));
  // An unusual instrument becomes the user item, and an unusual tuning the
  // user tuning item for this run, as the menus take a new value.
  if (text.patch) song_.SetPatch(PatchFromInfo(*text.patch));
  if (text.tuning) {
    tuningMenu_.AdoptSongTuning(*text.tuning);
    song_.SetTuning(*text.tuning);
  }
  if (text.tempo) song_.SetTempo(TempoFromInfo(*text.tempo));
}

std::unique_ptr<QTextDocument> SongFiles::MakeLargeSong(const SongText& text, const QString& path) {
  QProgressDialog progress(QString(), "Cancel", 0, static_cast<int>(text.lines.size()), dialogParent_);
  progress.setLabel(PlainLabel("Opening " + Q(FileNameOf(S(path))) + "..."));
  progress.setWindowTitle("Open");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(progressDelayMs_);
  progress.setValue(0);
  auto document = ChordSheet::MakeDocument(ToQStrings(text.lines), [&progress](int done, int) {
    progress.setValue(done);
    return !progress.wasCanceled();
  });
  return document;
}

void SongFiles::OpenSong(const QString& path) {
  BusyCursor busy;
  // Taken before the reading, so that a write while it reads counts as a
  // change.
  const std::optional<FileStamp> stamp = StampOfFile(path);
  const SongText text = ReadSongText(ReadSongFile(path));
  std::unique_ptr<QTextDocument> lines;
  if (static_cast<int>(text.lines.size()) > kStepwiseLines) {
    lines = MakeLargeSong(text, path);
    if (!lines) return;  // cancelled: the current song stays as it was
  }
  ResetSongState();
  LoadSongText(text, std::move(lines));
  song_.AdoptFileName(S(path), NameSource::Opened);
  RememberFile(path, stamp);
  sheet_.SetSelection(0, 0);
  emit showLine(0);
  song_.SetModified(false);
}

void SongFiles::RecoverSong(RecoveredSong song) {
  ResetSongState();
  SongText text;
  text.lines = std::move(song.lines);
  text.patch = song.patch;
  text.tuning = song.tuning;
  text.tempo = song.tempo;
  LoadSongText(text);
  song_.AdoptFileName(song.fileName, song.fileName == kUntitledName ? NameSource::NewSong : NameSource::Opened);
  song_.SetCurrentDuration(song.duration);
  song_.SetModified(true);
}

void SongFiles::WriteSong(const QString& path) {
  BusyCursor busy;
  WriteFileSafely(path, FormatSongFile(ToStdStrings(sheet_.Lines()), song_.Patch(), song_.Tuning(), song_.Tempo()));
}

bool SongFiles::SaveSong() {
  // A song that never had a name is not written into whatever folder the
  // program happens to run in: the user chooses where it goes.
  if (song_.IsUntitled()) return SaveAs1Click();
  const QString path = Q(song_.FileName());
  if (!MayReplace(path)) return false;
  WriteSong(path);
  song_.AdoptFileName(song_.FileName(), NameSource::Saved);
  RememberFile(path, StampOfFile(path));
  emit focusEditor();
  song_.SetModified(false);
  return true;
}

bool SongFiles::AskToSave() {
  if (!settings_.Prompts) return true;
  switch (dialogs().Message(dialogParent_, MessageKind::Warning, Q(SaveQuestion(song_.FileName())),
                            MessageButtons::YesNoCancel)) {
    case MessageResult::Yes:
      return SaveSong();
    case MessageResult::No:
      return true;
    default:
      return false;
  }
}

void SongFiles::New1Click() {
  if (song_.Modified() && !AskToSave()) return;
  NewSong();
  sheet_.SetSelection(0, 0);
  emit showLine(0);
  emit focusEditor();
  song_.SetModified(false);
}

void SongFiles::Open1Click() {
  if (song_.Modified() && !AskToSave()) return;
  const QString chosen = dialogs().OpenFile(dialogParent_, SongDialogOptions("Open", settings_));
  if (chosen.isEmpty()) {
    emit focusEditor();
    return;
  }
  if (IsDictionaryFile(S(chosen))) {
    dialogs().Message(dialogParent_, MessageKind::Warning, kDictionaryWarning, MessageButtons::Cancel);
    return;
  }
  const std::optional<QString> name = FindSongFile(chosen);
  if (!name) {
    dialogs().Message(dialogParent_, MessageKind::Error, Q(DoesNotExistMessage(WithSongExtension(S(chosen)))),
                      MessageButtons::Ok);
    return;
  }
  OpenSong(*name);
  setLastDir_(FolderOf(S(*name)));
  emit focusEditor();
}

void SongFiles::Save1Click() { SaveSong(); }

bool SongFiles::SaveAs1Click() {
  struct FocusAtEnd {
    SongFiles* files;
    ~FocusAtEnd() { emit files->focusEditor(); }
  } focusAtEnd{this};

  FileDialogOptions options = SongDialogOptions("Save As", settings_);
  // An untitled song is proposed in the last folder used.
  options.fileName = song_.IsUntitled() ? QString(kUntitledName) : Q(song_.FileName());
  options.confirmOverwrite = true;
  const QString chosen = dialogs().SaveFile(dialogParent_, options);
  if (chosen.isEmpty()) return false;
  const QString name = Q(WithSongExtension(S(chosen)));
  // The dialog asked about the name as typed; a different song file that
  // the new extension names would be replaced unasked.
  if (!MayReplaceRenamed(dialogParent_, chosen, name)) return false;
  if (!MayReplace(name)) return false;
  // The song takes the new name only once it is written there.
  WriteSong(name);
  song_.AdoptFileName(S(name), NameSource::Saved);
  RememberFile(name, StampOfFile(name));
  song_.SetModified(false);
  setLastDir_(FolderOf(S(name)));
  return true;
}

}  // namespace strumbly
