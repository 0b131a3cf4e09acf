// Song files: new, open, save, and the song state they reset.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include "core/app/song_names.h"
#include "core/app/song_state.h"
#include "core/guitar/tuning.h"
#include "platform/command_error.h"
#include "platform/dialogs.h"
#include "platform/song_io.h"
#include "core/sound/patch_names.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/radio_group.h"

namespace strumbly {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

// The busy cursor for as long as the object lives.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

FileDialogOptions SongDialogOptions(const QString& title, const Settings& settings) {
  FileDialogOptions o;
  o.title = title;
  o.folder = Q(settings.LastDir);
  o.filter = kSongFilter;
  o.defaultSuffix = kSongDefaultExtension;
  return o;
}

}  // namespace

void TfrmMain::NewSong() {
  sheet_->Clear();
  CurrentFileName = kUntitledName;
  lblFilename->setText(kUntitledName);
  ResetSongState();
}

void TfrmMain::ResetSongState() {
  for (int s = 0; s < 6; ++s) ShowStringMarker(s, NotPlayed);
  rdoPlayOptions->setItemIndex(0);
  lblChordName->clear();
  trackbarTempo->setValue(kDefaultTempo);
  lblTempo->setText(QString::number(kDefaultTempo));
  SetStatusPanel(2, QString("Line %1").arg(sheet_->CurrentLine() + 1));
  chkLoop->setChecked(false);
  chkTrace->setChecked(false);
  CurrentPatch = kDefaultPatch;
  CheckInstrumentItem(CurrentPatch);
  CurrentTuningTag = kDefaultTuning;
  ApplyTuning(kDefaultTuning);
  CurrentDuration = " Q";
  Modified = false;
}

SongText TfrmMain::ReadSong(const QString& path) { return ReadSongText(ReadSongFile(path)); }

void TfrmMain::LoadSong(const QString& path) { LoadSongText(ReadSong(path)); }

void TfrmMain::LoadSongText(const SongText& song) {
  sheet_->SetLines(ToQStrings(song.lines));

  if (song.patch) CurrentPatch = PatchFromInfo(*song.patch);
  if (InstrumentMenuIndex(CurrentPatch) == kUserInstrumentMenuIndex) {
    // An unusual instrument becomes the user instrument, for later runs too.
    // A program past 127 sounds as its low seven bits, so it is named after those.
    std::string caption = PatchName(CurrentPatch);
    if (caption.empty()) caption = PatchName(CurrentPatch & 0x7F);
    settings.MenuPatchName = caption;
    settings.MenuPatchTag = CurrentPatch + 1;
    SetMenuPatch(QString::fromStdString(caption), settings.MenuPatchTag);
  }
  CheckInstrumentItem(CurrentPatch);

  // A tag that cannot be read digit by digit is standard tuning.
  if (song.tuning) CurrentTuningTag = NormalizeTuningTag(*song.tuning);
  const std::int32_t tag = CurrentTuningTag;
  if (TuningMenuIndex(tag) == kUserTuningMenuIndex) {
    // An unusual tuning becomes the user item for this run only.
    Usertuning1->setData(tag);
    BuildCustomTuningCaption(tag);
  }
  ApplyTuning(tag);

  if (song.tempo) {
    trackbarTempo->setValue(TempoFromInfo(*song.tempo));
    lblTempo->setText(QString::number(trackbarTempo->value()));
  }
}

void TfrmMain::SetTabTitle(const QString& path) {
  for (QWidget* w : otherWindows)
    if (w->objectName() == "TfrmGetTabInfo")
      if (auto* title = w->findChild<QLineEdit*>("edtTitle")) title->setText(Q(TitleOf(S(path))));
}

void TfrmMain::OpenSong(const QString& path) {
  BusyCursor busy;
  const SongText song = ReadSong(path);
  ResetSongState();
  LoadSongText(song);
  CurrentFileName = path;
  dialogFileName_ = path;
  lblFilename->setText(Q(FileNameOf(S(path))));
  SetTabTitle(path);
  sheet_->SetSelection(0, 0);
  ShowLine(0);
  Modified = false;
}

void TfrmMain::WriteSong(const QString& path) {
  BusyCursor busy;
  const std::string text = FormatSongFile(ToStdStrings(sheet_->Lines()), CurrentPatch, CurrentTuningTag,
                                          trackbarTempo->value());
  WriteFileSafely(path, text);
}

void TfrmMain::SaveSong() {
  WriteSong(CurrentFileName);
  dialogFileName_ = CurrentFileName;
  lblFilename->setText(Q(FileNameOf(S(CurrentFileName))));
  FocusEditor();
  Modified = false;
}

bool TfrmMain::AskToSave() {
  if (!settings.Prompts) return true;
  switch (dialogs().Message(this, MessageKind::Warning, Q(SaveQuestion(S(CurrentFileName))),
                            MessageButtons::YesNoCancel)) {
    case MessageResult::Yes:
      SaveSong();
      return true;
    case MessageResult::No:
      return true;
    default:
      return false;
  }
}

void TfrmMain::New1Click() {
  if (Modified && !AskToSave()) return;
  NewSong();
  sheet_->SetSelection(0, 0);
  ShowLine(0);
  FocusEditor();
  Modified = false;
}

void TfrmMain::Open1Click() {
  if (Modified && !AskToSave()) return;
  const QString chosen = dialogs().OpenFile(this, SongDialogOptions("Open", settings));
  if (chosen.isEmpty()) {
    FocusEditor();
    return;
  }
  if (IsDictionaryFile(S(chosen))) {
    dialogs().Message(this, MessageKind::Warning, kDictionaryWarning, MessageButtons::Cancel);
    return;
  }
  const std::optional<QString> name = FindSongFile(chosen);
  if (!name) {
    dialogs().Message(this, MessageKind::Error, Q(DoesNotExistMessage(WithSongExtension(S(chosen)))),
                      MessageButtons::Ok);
    return;
  }
  OpenSong(*name);
  settings.LastDir = FolderOf(S(*name));
  FocusEditor();
}

void TfrmMain::Save1Click() { SaveSong(); }

void TfrmMain::SaveAs1Click() {
  struct FocusAtEnd {
    TfrmMain* w;
    ~FocusAtEnd() { w->FocusEditor(); }
  } focusAtEnd{this};

  FileDialogOptions options = SongDialogOptions("Save As", settings);
  // An untitled song is proposed in the last folder used.
  options.fileName = FolderOf(S(CurrentFileName)).empty() ? QString(kUntitledName) : CurrentFileName;
  options.confirmOverwrite = true;
  const QString chosen = dialogs().SaveFile(this, options);
  if (chosen.isEmpty()) return;
  const QString name = Q(WithSongExtension(S(chosen)));
  // The dialog asked about the name as typed; a different song file that
  // the new extension names would be replaced unasked.
  if (name != chosen && QFileInfo::exists(name) &&
      dialogs().Message(this, MessageKind::Warning,
                        QString("%1 already exists.\nDo you want to replace it?").arg(name),
                        MessageButtons::YesNo) != MessageResult::Yes)
    return;
  // The song takes the new name only once it is written there.
  WriteSong(name);
  CurrentFileName = name;
  dialogFileName_ = name;
  lblFilename->setText(Q(FileNameOf(S(name))));
  SetTabTitle(name);
  Modified = false;
  settings.LastDir = FolderOf(S(name));
}

}  // namespace strumbly
