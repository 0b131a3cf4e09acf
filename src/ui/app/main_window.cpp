// The main window: start-up, the parts it owns, the current line, shutdown.
#include "ui/app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>

#include "core/app/command_line.h"
#include "core/app/song_names.h"
#include "core/guitar/capo.h"
#include "core/sound/patch_names.h"
#include "core/sound/timing.h"
#include "platform/command_error.h"
#include "platform/dialogs.h"
#include "platform/file_association.h"
#include "platform/midi/builtin_synth.h"
#include "platform/midi/midi_out_port.h"
#include "platform/midi/system_midi_output.h"
#include "platform/settings_store.h"
#include "ui/app/about_box.h"
#include "ui/app/dropped_files.h"
#include "ui/app/find_dialog.h"
#include "ui/app/help_window.h"
#include "ui/app/options_dialog.h"
#include "ui/app/recent_files_menu.h"
#include "ui/app/small_windows.h"
#include "ui/app/song_files.h"
#include "ui/app/song_recovery.h"
#include "ui/chordsheet/chord_commands.h"
#include "ui/chordsheet/dictionary_box.h"
#include "ui/chordsheet/dictionary_commands.h"
#include "ui/chordsheet/edit_menu.h"
#include "ui/chordsheet/song_capo.h"
#include "ui/fit_to_screen.h"
#include "ui/guitar/neck_commands.h"
#include "ui/guitar/neck_view.h"
#include "ui/guitar/tuning_menu.h"
#include "ui/qt_text.h"
#include "ui/radio_group.h"
#include "ui/sound/instrument_menu.h"
#include "ui/sound/player.h"
#include "ui/sound/sound_controls.h"
#include "ui/status_hints_off.h"
#include "ui/tab/tab_commands.h"
#include "ui/tab/tab_info_window.h"
#include "ui/tab/tab_window.h"

namespace strumbly {

TfrmMain::TfrmMain(const QStringList& arguments, std::unique_ptr<SettingsStore> store, MidiOutputService* device)
    : store_(std::move(store)) {
  setObjectName("TfrmMain");
  ShowWindowTitle(kUntitledName);
  if (!store_) store_ = std::make_unique<IniSettingsStore>();
  BuildControls();
  sheet_ = std::make_unique<ChordSheet>(RichEdit1);
  BuildMenus();
  BuildStatusBar();
  CreateParts(device);
  // The layouts give the smallest size at which every control can be used;
  // a new window opens at the arrangement's natural size, within the screen
  // (the controls scroll when the screen is smaller still).
  QWidget* client = neckView->parentWidget();
  const QSize needed =
      client->minimumSizeHint() + QSize(0, menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
  FitToScreen(*this, QSize(800, 640).expandedTo(needed));
  client->layout()->activate();  // the controls have their places before the window shows
  FormCreate(arguments);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::CreateParts(MidiOutputService* device) {
  Player::Controls controls{
      [this] { return rdoPlayOptions->itemIndex(); },
      [this] { return song_.Tempo(); },
      [this] { return chkLoop->isChecked(); },
      [this] { return chkTrace->isChecked(); },
  };
  player_ = std::make_unique<Player>(*sheet_, song_, settings_,
                                     device ? *device : static_cast<MidiOutputService&>(SystemMidiOutput::Instance()),
                                     std::move(controls));
  songFiles_ = std::make_unique<SongFiles>(
      this, *sheet_, song_, settings_, [this](const std::string& d) { SetLastDir(d); }, *tuningMenu_);
  CreateTabCommands();
  CreateEditingParts();
  recovery_ = new SongRecovery(this, *sheet_, song_, *songFiles_);
  static_assert(std::tuple_size_v<decltype(mnuFilename)> == kRecentFileCount);
  recentFiles_ = std::make_unique<RecentFilesMenu>(this, FilenameSep, mnuFilename, settings_, song_, *songFiles_);
  droppedFiles_ = std::make_unique<DroppedFiles>(song_, *songFiles_, *player_);
  // Files dropped anywhere on the window open as songs, on the editor too.
  droppedFiles_->Watch(this);
  for (QWidget* w : findChildren<QWidget*>())
    if (w->acceptDrops()) droppedFiles_->Watch(w);
}

// The window shows what the parts report.
void TfrmMain::ConnectParts() {
  song_.OnFileNameAdopted([this](const std::string& path, NameSource) {
    lblFilename->setText(Q(FileNameOf(path)));
    ShowWindowTitle(Q(FileNameOf(path)));
  });
  song_.OnModifiedChanged([this](bool modified) { setWindowModified(modified); });
  song_.OnPatchChanged([this](std::uint8_t patch) { ShowPatch(patch); });
  song_.OnTuningChanged([this](TuningTag tag) { ShowTuning(tag); });
  // The capo the lines give sits on the neck and shows beside the tuning.
  songCapo_ = new SongCapo(RichEdit1, song_, this);
  song_.OnCapoChanged([this](int capo) {
    neckView->SetCapo(capo);
    ShowTuning(song_.Tuning());
  });
  // An unsaved song is kept for recovery; a saved or dropped one is not.
  song_.OnFileNameAdopted([this](const std::string&, NameSource) { recovery_->Forget(); });
  song_.OnPatchChanged([this](std::uint8_t) { recovery_->Changed(); });
  song_.OnTuningChanged([this](TuningTag) { recovery_->Changed(); });
  connect(RichEdit1, &QPlainTextEdit::textChanged, recovery_, &SongRecovery::Changed);
  song_.OnTempoChanged([this](int) { recovery_->Changed(); });
  connect(recovery_, &SongRecovery::recovered, this, [this](int line) { ShowLine(line); });

  connect(player_.get(), &Player::playingChanged, this,
          [this](bool playing) { btnPlay->setText(playing ? "Stop" : "Play"); });
  connect(player_.get(), &Player::soundingChanged, this, [this](bool sounding) { SetPlayingState(!sounding); });
  connect(player_.get(), &Player::lineShown, this, &TfrmMain::ShowPlayedLine);
  connect(player_.get(), &Player::showLine, this, [this](int line) { ShowLine(line); });
  connect(player_.get(), &Player::errorOccurred, this, &TfrmMain::ShowError);
  connect(player_.get(), &Player::focusEditor, this, &TfrmMain::FocusEditor);

  connect(songFiles_.get(), &SongFiles::songReset, this, &TfrmMain::ResetControls);
  connect(songFiles_.get(), &SongFiles::showLine, this, [this](int line) { ShowLine(line); });
  connect(songFiles_.get(), &SongFiles::focusEditor, this, &TfrmMain::FocusEditor);
  connect(recentFiles_.get(), &RecentFilesMenu::focusEditor, this, &TfrmMain::FocusEditor);
  connect(droppedFiles_.get(), &DroppedFiles::focusEditor, this, &TfrmMain::FocusEditor);
  connect(
      droppedFiles_.get(), &DroppedFiles::dropped, this,
      [this](const QList<QUrl>& urls) { RunCommand([this, &urls] { droppedFiles_->OpenDroppedFile(urls); }); },
      Qt::QueuedConnection);

  connect(tuningMenu_, &TuningMenu::chosen, this,
          [this](QAction* item) { RunCommand([this, item] { TuningMenuClicked(item); }); });
  connect(instrumentMenu_, &InstrumentMenu::chosen, this,
          [this](QAction* item) { RunCommand([this, item] { NylonStringAcoustic1Click(item); }); });
}

void TfrmMain::FormCreate(const QStringList& arguments) {
  // The labels beside the tempo bar share its hint.
  for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3)})
    SetHint(w, trackbarTempo->statusTip());
  SetStatusPanel(0, "");

  statusHintsEnabled_ = true;
  activated_ = false;

  connect(RichEdit1, &QPlainTextEdit::textChanged, this, [this] { song_.SetModified(true); });
  connect(RichEdit1, &QPlainTextEdit::cursorPositionChanged, this,
          [this] { SetStatusPanel(2, QString("Line %1").arg(sheet_->CurrentLine() + 1)); });
  connect(RichEdit1, &QPlainTextEdit::selectionChanged, this,
          [this] { SetStatusPanel(2, QString("Line %1").arg(sheet_->CurrentLine() + 1)); });
  connect(RichEdit1, &ChordEditor::leftButtonPressed, this, [this] { RunCommand([this] { RefreshCurrentLine(); }); });
  connect(RichEdit1, &ChordEditor::keyReleased, this,
          [this](int key) { RunCommand([this, key] { RichEdit1KeyUp(key); }); });
  connect(RichEdit1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { mnuEditorPopUp->popup(RichEdit1->viewport()->mapToGlobal(p)); });
  editMenu_->Connect();
  chordCommands_->Connect();
  neckCommands_->Connect();
  ConnectPlayControls();
  ConnectParts();

  LoadStartupSettings();
  WriteStartupFileAssociation();
  recentFiles_->UpdateRecentMenu();
  player_->SetExternalMidiMode(settings_.ExternalMIDI);
  dictionaryCommands_->Load();
  ApplyNeckSettings();
  tuningMenu_->SetUserItem(Q(settings_.MenuTuningName), settings_.MenuTuningTag);
  instrumentMenu_->SetUserItem(Q(settings_.MenuPatchName), settings_.MenuPatchTag);
  // The built-in synthesizer loads its soundfont in the background from now
  // on, so it is ready when the first chord sounds. (Test programs, which
  // sound into recording devices, skip this; the synthesizer would still
  // load on first use.)
  if (!qEnvironmentVariableIsSet(kNoPreloadVariable))
    BuiltinSynth::Instance().StartLoading(settings_.SoundFont, settings_.Channel, song_.Patch());
  // The tempo bar shows the song's tempo, and moving it sets the tempo.
  trackbarTempo->setValue(song_.Tempo());
  song_.OnTempoChanged([this](int bpm) { trackbarTempo->setValue(bpm); });
  connect(trackbarTempo, &QSlider::valueChanged, this, [this](int v) {
    song_.SetTempo(v);
    song_.SetModified(true);
  });

  songFiles_->NewSong();
  OpenArgumentSong(arguments);
  ShowLine(0);
  RichEdit1->setFocus();  // typing goes into the song from the start
}

// Settings: a file that cannot be read, or lines of it that cannot, are
// reported once the window is up; what could be read is used.
void TfrmMain::LoadStartupSettings() {
  try {
    settings_ = LoadSettings(*store_, DefaultInstallDir().toStdString());
  } catch (const std::exception& e) {
    settings_ = Settings{};
    settings_.InstallDir = DefaultInstallDir().toStdString();
    QTimer::singleShot(0, this, [this, text = QString::fromStdString(e.what())] { ShowError(text); });
    return;
  }
  if (const std::string problem = store_->LoadProblem(); !problem.empty())
    QTimer::singleShot(0, this, [this, text = Q(problem)] { ShowError(text); });
}

// With "Associate files" on, song files open with this program from the
// file manager. A failure is reported once the window is up; start-up goes on.
void TfrmMain::WriteStartupFileAssociation() {
  if (!settings_.Associate) return;
  try {
    AssociateSongFiles();
  } catch (const CommandError& e) {
    QTimer::singleShot(0, this, [this, text = e.text()] { ShowError(text); });
  }
}

// A song named on the command line (perhaps split by the shell at blanks).
// A file of another type is left alone; a song that cannot be opened (none
// there, a folder, a pipe, unreadable) is reported. The untitled song stays.
void TfrmMain::OpenArgumentSong(const QStringList& arguments) {
  const QString path = Q(JoinSongArguments(ToStdStrings(arguments)));
  if (path.isEmpty()) return;
  const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(path));
  if (QFileInfo(absolute).isFile() && !HasSongExtension(S(absolute))) return;
  QString failure;
  try {
    songFiles_->OpenSong(absolute);
  } catch (const CommandError& e) {
    failure = e.text();
  } catch (const std::exception& e) {
    failure = QString::fromLocal8Bit(e.what());
  }
  // The box waits until the window is up, so it has a window to belong to.
  if (!failure.isEmpty()) QTimer::singleShot(0, this, [this, failure] { ShowError(failure); });
}

void TfrmMain::CreateOtherWindows() {
  frmAbout = new TfrmAbout(this);
  ConnectAboutSound();
  otherWindows << frmAbout;
  otherWindows << &tabCommands_->frmTab();
  OptionsHost host;
  host.midiDeviceCount = [this] { return player_->Port().MidiDeviceCount(); };
  host.midiDeviceName = [this](int id) { return Q(player_->Port().MidiDeviceName(id)); };
  host.externalMidiMode = [this] { return player_->ExternalMidiMode(); };
  host.userTuningTag = [this] { return tuningMenu_->UserItem()->data().toInt(); };
  host.applySettings = [this](const OptionsChanges& changes) { ApplySettings(changes); };
  host.saveSettings = [this] { SaveSettings(*store_, settings_); };
  host.replaceDictionary = [this] { ReplaceDictionary(); };
  host.soundFontChanged = [this] {
    std::string error;
    if (!BuiltinSynth::Instance().ChangeSoundFont(settings_.SoundFont, &error) && !error.empty()) ShowError(Q(error));
  };
  frmOptions = new TfrmOptions(settings_, std::move(host), this);
  otherWindows << frmOptions;
  otherWindows << &tabCommands_->frmGetTabInfo();
  otherWindows << MakeShellWindow(this, "TfrmWriteMidiFile", "This form should never get shown");
  frmNoSoundMessage = new TfrmNoSoundMessage(this);
  otherWindows << frmNoSoundMessage;
  frmfind = new Tfrmfind(*RichEdit1, this);
  otherWindows << frmfind;
  frmNewUserMessage = new TfrmNewUserMessage(this);
  otherWindows << frmNewUserMessage;
}

void TfrmMain::Options1Click() {
  if (!frmOptions) return;
  {
    const StatusHintsOff hintsOff([this](bool on) { statusHintsEnabled_ = on; });
    dialogs().Exec(*frmOptions);
  }
  RefreshCurrentLine();  // new marker colours and shapes show at once
  FocusEditor();
}

// OK in the settings dialog: the stored options show in the window. The
// user items take their new values and become the song's instrument and
// tuning; the song does not count as changed.
void TfrmMain::ApplySettings(const OptionsChanges& changes) {
  // A failure here is reported; the rest still applies.
  if (settings_.Associate) RunCommand([] { AssociateSongFiles(); });
  dictionary().setSorted(settings_.SortDictionary);
  ApplyNeckSettings();
  if (changes.patchChanged) {
    instrumentMenu_->SetUserItem(Q(settings_.MenuPatchName), settings_.MenuPatchTag);
    song_.SetPatch(InstrumentMenu::ProgramOf(instrumentMenu_->UserItem()));
    instrumentMenu_->UserItem()->setChecked(true);
  }
  if (changes.tuningChanged) {
    tuningMenu_->SetUserItem(Q(settings_.MenuTuningName), settings_.MenuTuningTag);
    song_.SetTuning(settings_.MenuTuningTag);
    tuningMenu_->UserItem()->setChecked(true);
  }
}

// The song's name and its modified mark in the title bar, the task bar and
// the window switcher: "blues.sly — Strumbly", with "*" after the name while
// changes are unsaved.
void TfrmMain::ShowWindowTitle(const QString& songName) {
  setWindowTitle(WindowTitleText(songName) + QString::fromUtf8("[*] \u2014 Strumbly"));
}

bool TfrmMain::IsPlaying() const { return player_->IsPlaying(); }

void TfrmMain::ConnectPlayControls() {
  SoundControls::Widgets c;
  c.btnPlay = btnPlay;
  c.btnNext = btnNext;
  c.btnPrev = btnPrev;
  c.rdoPlayOptions = rdoPlayOptions;
  c.chkLoop = chkLoop;
  c.chkTrace = chkTrace;
  c.groups = {grpPlayControls, grpEditControls};
  c.start = Start1;
  c.stop = Stop1;
  c.resting = {grpPlayControls, btnNewChord, grpEditControls, btnPrev,  btnNext,   btnShiftLeft,
               btnShiftRight,   btnRest,     btnDup,          btnClear, btnDelete, cboDictionary,
               rdoPlayOptions,  chkTrace,    chkLoop,         chkDotted};
  for (QPushButton* b : durationButtons) c.resting << b;
  c.restingMenus = {File1, Edit1, Instrument1, Help1, Special1, Tuning1};
  soundControls_ = std::make_unique<SoundControls>(
      *player_, std::move(c), [this](const std::function<void()>& command) { RunCommand(command); },
      [this](const QString& openError) {
        if (!frmNoSoundMessage) return;
        frmNoSoundMessage->SetOpenError(openError);
        dialogs().Exec(*frmNoSoundMessage);
      });
  connect(soundControls_.get(), &SoundControls::focusEditor, this, &TfrmMain::FocusEditor);
}
void TfrmMain::SetPlayingState(bool idle) { soundControls_->SetPlayingState(idle); }
void TfrmMain::StartSound() { soundControls_->StartSound(); }
void TfrmMain::ConnectAboutSound() {
  frmAbout->onActivated = [this] { soundControls_->AboutBoxActive(true); };
  frmAbout->onDeactivated = [this] { soundControls_->AboutBoxActive(false); };
}

// --- following the parts ----------------------------------------------------------

void TfrmMain::ResetControls() {
  neckView->ClearNeck();
  rdoPlayOptions->setItemIndex(0);
  lblChordName->clear();
  SetStatusPanel(2, QString("Line %1").arg(sheet_->CurrentLine() + 1));
  chkLoop->setChecked(false);
  chkTrace->setChecked(false);
}

void TfrmMain::ShowTuning(TuningTag tag) {
  std::string text = TuningStatusText(S(tuningMenu_->Check(tag)));
  if (song_.Capo() > 0) text += ", " + CapoText(song_.Capo());
  SetStatusPanel(1, Q(text));
}

// A program that no item of the Instrument menu selects becomes the user
// item, for later runs too. A program past 127 sounds as its low seven
// bits, so it is named after those.
void TfrmMain::ShowPatch(std::uint8_t patch) {
  if (!instrumentMenu_->IsGuitarProgram(patch)) {
    std::string caption = PatchName(patch);
    if (caption.empty()) caption = PatchName(patch & 0x7F);
    settings_.MenuPatchName = caption;
    settings_.MenuPatchTag = patch + 1;
    instrumentMenu_->SetUserItem(Q(caption), settings_.MenuPatchTag);
  }
  instrumentMenu_->Check(patch);
}

void TfrmMain::ShowPlayedLine(int, const ChordRecord& record) {
  ShowChordOnNeck(record.Frets);
  lblChordName->setText(Q(record.Name));
}

void TfrmMain::TuningMenuClicked(QAction* item) {
  song_.SetTuning(item->data().toInt());
  song_.SetModified(true);
}

void TfrmMain::NylonStringAcoustic1Click(QAction* item) {
  song_.SetPatch(InstrumentMenu::ProgramOf(item));
  // The built-in synthesizer loads the sound's samples now, not at the
  // first note.
  if (BuiltinSynth::Instance().LoadingStarted())
    BuiltinSynth::Instance().SelectProgram(settings_.Channel, song_.Patch());
  item->setChecked(true);
  song_.SetModified(true);
}

// --- the current line -------------------------------------------------------------

void TfrmMain::SetStatusPanel(int panel, const QString& text) {
  QLabel* label = statusPanels[static_cast<std::size_t>(panel)];
  label->setText(text);
  // A message cut by a narrow window can be read whole in the tooltip.
  if (panel == 0) label->setToolTip(text.trimmed().isEmpty() ? QString() : "<qt>" + text.toHtmlEscaped() + "</qt>");
}
QString TfrmMain::StatusPanel(int panel) const { return statusPanels[static_cast<std::size_t>(panel)]->text(); }

void TfrmMain::ShowError(const QString& text) { dialogs().Message(this, MessageKind::Error, text, MessageButtons::Ok); }

void TfrmMain::RunCommand(const std::function<void()>& command) {
  try {
    command();
  } catch (const CommandError& e) {
    ShowError(e.text());
  } catch (const std::exception& e) {
    ShowError(QString::fromLocal8Bit(e.what()));
  }
}

bool TfrmMain::ShowLine(int n) {
  ChordRecord r;
  const std::string error = ParseChordLine(n, false, r);
  lblChordName->clear();
  edtName->clear();
  const RecordKind kind = KindOf(r, error);
  if (error.empty()) {
    lblChordName->setText(Q(r.Name));
    if (kind == RecordKind::Comment) lblChordName->setText("No Chord  -  Comment Line");
    if (kind == RecordKind::Blank) lblChordName->setText("No Chord  -  Blank Line");
  } else {
    lblChordName->setText("(Error in line.)");
  }
  if (kind == RecordKind::Chord) {
    SetStatusPanel(0, "");
    ShowChordOnNeck(r.Frets);
    lblChordName->setText(Q(r.Name));
    edtName->setText(Q(r.Name));
    edtNameTag = n;
    return true;
  }
  if (kind == RecordKind::Bad) SetStatusPanel(0, "   ***Error***   " + Q(error));
  ShowChordOnNeck({NotPlayed, NotPlayed, NotPlayed, NotPlayed, NotPlayed, NotPlayed});
  return false;
}

void TfrmMain::RefreshCurrentLine() {
  RichEdit1->setReadOnly(false);
  if (IsPlaying()) {
    RichEdit1->setReadOnly(true);
    return;
  }
  ShowLine(sheet_->CurrentLine());
}

bool TfrmMain::event(QEvent* e) {
  if (e->type() == QEvent::StatusTip) {
    if (statusHintsEnabled_) OnHint(static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
  return QMainWindow::event(e);
}

// A control's hint is the status bar's passing message; the panels, with the
// current line's error, show again when it ends.
void TfrmMain::OnHint(const QString& hint) {
  if (hint.isEmpty())
    statusBar()->clearMessage();
  else
    statusBar()->showMessage(hint);
}

// --- activation and closing ----------------------------------------------------------

void TfrmMain::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  // Some platforms never report the activation of a window; the first
  // activation's work runs once the window is shown in any case.
  QTimer::singleShot(0, this, [this] {
    if (!activated_) RunCommand([this] { FormActivate(); });
  });
}

void TfrmMain::changeEvent(QEvent* e) {
  QMainWindow::changeEvent(e);
  if (e->type() == QEvent::ActivationChange && isActiveWindow() && !activated_)
    QTimer::singleShot(0, this, [this] {
      if (!activated_) RunCommand([this] { FormActivate(); });
    });
}

void TfrmMain::FormActivate() {
  if (activated_) return;
  activated_ = true;
  if (settings_.FirstRun && frmNewUserMessage) {
    if (dialogs().Exec(*frmNewUserMessage) == TfrmNewUserMessage::Yes) ShowHelpContext(14);
  }
  StartSound();
  recovery_->OfferLeftOver();
}

bool TfrmMain::FormCloseQuery() {
  if (IsPlaying()) return false;
  if (!song_.Modified() || !askBeforeClosing_) return true;
  bool mayClose = false;
  RunCommand([&] { mayClose = songFiles_->AskToSave(); });
  return mayClose;
}

void TfrmMain::FormClose() {
  // Closed on the user's word, the song was saved or let go; closed without
  // questions, its unsaved changes stay in the recovery file.
  if (askBeforeClosing_)
    recovery_->Forget();
  else
    recovery_->Flush();
  dictionaryCommands_->Save();
  player_->CloseMidiPort();
  // Settings are written last; a failure is reported and the exit goes on.
  settings_.Patch = song_.Patch();
  RunCommand([this] { SaveSettings(*store_, settings_); });
}

void TfrmMain::CloseWithoutQuestions() {
  askBeforeClosing_ = false;
  player_->Stop();  // a playback ends at once, its notes with it
  close();
}

void TfrmMain::closeEvent(QCloseEvent* e) {
  if (closing_) {
    e->accept();
    return;
  }
  if (!FormCloseQuery()) {
    e->ignore();
    return;
  }
  closing_ = true;
  FormClose();
  if (helpWindow) helpWindow->close();
  e->accept();
}

}  // namespace strumbly
