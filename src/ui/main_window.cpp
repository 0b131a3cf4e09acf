// The main window: start-up, the current line, shutdown.
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>

#include "core/app/command_line.h"
#include "platform/command_error.h"
#include "platform/dialogs.h"
#include "platform/midi/about_sound.h"
#include "platform/midi/midi_out_port.h"
#include "platform/settings_store.h"
#include "ui/about_box.h"
#include "ui/help_window.h"
#include "ui/small_windows.h"
#include "ui/qt_text.h"

namespace strumbly {

TfrmMain::TfrmMain(const QStringList& arguments, std::unique_ptr<SettingsStore> store)
    : store_(std::move(store)) {
  setObjectName("TfrmMain");
  setWindowTitle("Strumbly");
  if (!store_) store_ = std::make_unique<IniSettingsStore>();
  BuildControls();
  sheet_ = std::make_unique<ChordSheet>(RichEdit1);
  BuildMenus();
  BuildStatusBar();
  setMinimumSize(680, 600);
  resize(800, 640);
  FormCreate(arguments);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::FormCreate(const QStringList& arguments) {
  // The labels beside the tempo bar share its hint.
  for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3), static_cast<QWidget*>(lblTempo)})
    SetHint(w, trackbarTempo->statusTip());
  SetStatusPanel(0, "");

  StatusHintsEnabled = true;
  Activated = false;

  connect(RichEdit1, &QPlainTextEdit::textChanged, this, [this] { Modified = true; });
  connect(RichEdit1, &QPlainTextEdit::cursorPositionChanged, this,
          [this] { SetStatusPanel(2, QString("Line %1").arg(sheet_->CurrentLine() + 1)); });
  connect(RichEdit1, &QPlainTextEdit::selectionChanged, this,
          [this] { SetStatusPanel(2, QString("Line %1").arg(sheet_->CurrentLine() + 1)); });
  connect(RichEdit1, &ChordEditor::leftButtonPressed, this, [this] { RunCommand([this] { RefreshCurrentLine(); }); });
  connect(RichEdit1, &ChordEditor::keyReleased, this, [this](int key) { RunCommand([this, key] { RichEdit1KeyUp(key); }); });
  connect(RichEdit1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { mnuEditorPopUp->popup(RichEdit1->viewport()->mapToGlobal(p)); });
  // The Edit items' enabling is kept current, so their shortcuts follow it.
  connect(RichEdit1, &QPlainTextEdit::selectionChanged, this, &TfrmMain::UpdateEditMenu);
  connect(RichEdit1, &QPlainTextEdit::undoAvailable, this, &TfrmMain::UpdateEditMenu);
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TfrmMain::UpdateEditMenu);
  UpdateEditMenu();
  ConnectEditingCommands();

  // Settings: a store that cannot be read is reported and the defaults used.
  try {
    if (auto* ini = dynamic_cast<IniSettingsStore*>(store_.get())) ini->CheckReadable();
    settings = LoadSettings(*store_, DefaultInstallDir().toStdString());
  } catch (const std::exception& e) {
    settings = Settings{};
    settings.InstallDir = DefaultInstallDir().toStdString();
    QTimer::singleShot(0, this, [this, text = QString::fromStdString(e.what())] { ShowError(text); });
  }

  PortOpen = false;
  ApplyNeckSettings();
  ApplyUserTuningSettings();
  ExternalMidiMode = settings.ExternalMIDI;
  SetUpSound();
  trackbarTempo->setRange(1, 500);
  connect(trackbarTempo, &QSlider::valueChanged, this, [this](int v) {
    lblTempo->setText(QString::number(v));
    Modified = true;
  });

  NewSong();

  const QString songArgument = QString::fromStdString(JoinSongArguments(ToStdStrings(arguments)));
  if (!songArgument.isEmpty() && QFileInfo(songArgument).isFile() &&
      QFileInfo(songArgument).suffix().compare("sly", Qt::CaseInsensitive) == 0) {
    RunCommand([&] {
      LoadSong(songArgument);
      CurrentFileName = QFileInfo(songArgument).absoluteFilePath();
      lblFilename->setText(QFileInfo(songArgument).fileName());
      Modified = false;
    });
  }
  ShowLine(0);
  LayoutControls();
  RichEdit1->setFocus();  // typing goes into the song from the start
}

void TfrmMain::CreateOtherWindows() {
  frmAbout = new TfrmAbout(this);
  ConnectAboutSound();
  otherWindows << frmAbout;
  otherWindows << MakeShellWindow(this, "TfrmTab", "Tablulature");
  otherWindows << MakeShellWindow(this, "TfrmOptions", "Settings");
  otherWindows << MakeShellWindow(this, "TfrmGetTabInfo", "Tabulature ");
  otherWindows << MakeShellWindow(this, "TfrmWriteMidiFile", "This form should never get shown");
  frmNoSoundMessage = new TfrmNoSoundMessage(this);
  otherWindows << frmNoSoundMessage;
  otherWindows << MakeShellWindow(this, "Tfrmfind", "Find Text");
  frmNewUserMessage = new TfrmNewUserMessage(this);
  otherWindows << frmNewUserMessage;
}

bool TfrmMain::IsPlaying() const { return btnPlay->text() == "Stop"; }

void TfrmMain::SetStatusPanel(int panel, const QString& text) { statusPanels[static_cast<std::size_t>(panel)]->setText(text); }
QString TfrmMain::StatusPanel(int panel) const { return statusPanels[static_cast<std::size_t>(panel)]->text(); }

void TfrmMain::ShowError(const QString& text) {
  dialogs().Message(this, MessageKind::Error, text, MessageButtons::Ok);
}

void TfrmMain::RunCommand(const std::function<void()>& command) {
  try {
    command();
  } catch (const CommandError& e) {
    ShowError(e.text());
  } catch (const std::exception& e) {
    ShowError(QString::fromLocal8Bit(e.what()));
  }
}

std::string TfrmMain::ParseChordLine(int n, bool showMessage, ChordRecord& record) {
  lblChordName->clear();
  const std::string error = ParseChordText(sheet_->Line(n).toStdString(), n, record);
  if (showMessage && !error.empty()) ShowError(QString::fromStdString(error));
  return error;
}

bool TfrmMain::ShowLine(int n) {
  ChordRecord r;
  const std::string error = ParseChordLine(n, false, r);
  lblChordName->clear();
  edtName->clear();
  const RecordKind kind = KindOf(r, error);
  if (error.empty()) {
    lblChordName->setText(QString::fromStdString(r.Name));
    if (kind == RecordKind::Comment) lblChordName->setText("No Chord  -  Comment Line");
    if (kind == RecordKind::Blank) lblChordName->setText("No Chord  -  Blank Line");
  } else {
    lblChordName->setText("(Error in line.)");
  }
  if (kind == RecordKind::Chord) {
    SetStatusPanel(0, "");
    ShowChordOnNeck(r.Frets);
    lblChordName->setText(QString::fromStdString(r.Name));
    edtName->setText(QString::fromStdString(r.Name));
    edtNameTag = n;
    return true;
  }
  if (kind == RecordKind::Bad) SetStatusPanel(0, "   ***Error***   " + QString::fromStdString(error));
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
    if (StatusHintsEnabled) OnHint(static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
  return QMainWindow::event(e);
}

void TfrmMain::OnHint(const QString& hint) { SetStatusPanel(0, " " + hint); }

void TfrmMain::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  LayoutControls();
  // Some platforms never report the activation of a window; the first
  // activation's work runs once the window is shown in any case.
  QTimer::singleShot(0, this, [this] {
    if (!Activated) RunCommand([this] { FormActivate(); });
  });
}

void TfrmMain::changeEvent(QEvent* e) {
  QMainWindow::changeEvent(e);
  if (e->type() == QEvent::ActivationChange && isActiveWindow() && !Activated)
    QTimer::singleShot(0, this, [this] {
      if (!Activated) RunCommand([this] { FormActivate(); });
    });
}

void TfrmMain::FormActivate() {
  if (Activated) return;
  Activated = true;
  if (settings.FirstRun && frmNewUserMessage) {
    if (dialogs().Exec(*frmNewUserMessage) == TfrmNewUserMessage::Yes) ShowHelpContext(14);
  }
  StartSound();
}

bool TfrmMain::FormCloseQuery() {
  if (IsPlaying()) return false;
  if (!Modified) {
    StopRequested = true;
    return true;
  }
  bool mayClose = false;
  RunCommand([&] { mayClose = AskToSave(); });
  if (mayClose) StopRequested = true;
  return mayClose;
}

void TfrmMain::FormClose() {
  CloseMidiPort();
  // Settings are written last; a failure is reported and the exit goes on.
  settings.Patch = CurrentPatch;
  RunCommand([this] { SaveSettings(*store_, settings); });
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
