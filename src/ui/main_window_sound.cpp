// The MIDI port and the Instrument menu.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include "platform/dialogs.h"
#include "platform/midi/about_sound.h"
#include "platform/midi/builtin_synth.h"
#include "platform/midi/midi_out_port.h"
#include "platform/midi/system_midi_output.h"
#include "ui/about_box.h"
#include "ui/main_window.h"
#include "ui/radio_group.h"
#include "ui/small_windows.h"

namespace strumbly {

namespace {

struct InstrumentItem {
  const char* name;
  int tag;  // the program, counted from 1
  const char* caption;
};

constexpr InstrumentItem kGuitarItems[] = {
    {"AcousticNylonStringGuitar1", 25, "&Acoustic Nylon String Guitar"},
    {"AcousticSteelStringGuitar1", 26, "Acoustic &Steel String Guitar"},
    {"JazzElectric1", 27, "&Jazz Electric Guitar"},
    {"CleanElectric1", 28, "&Clean Electric Guitar"},
    {"MutedElectric1", 29, "&Muted Electric Guitar"},
    {"OverdrivenElectric1", 30, "&Overdriven Electric Guitar"},
    {"DistortionElectric1", 31, "&Distortion Electric Guitar"},
    {"GuitarHarmonics1", 32, "&Guitar Harmonics"},
};

// btnPlay acts when any mouse button goes down on it, not on release.
class MouseDownFilter : public QObject {
 public:
  MouseDownFilter(QObject* parent, std::function<void()> action) : QObject(parent), action_(std::move(action)) {}

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    switch (e->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        action_();
        return true;
      case QEvent::MouseButtonRelease:
        return true;
      default:
        return false;
    }
  }

 private:
  std::function<void()> action_;
};

}  // namespace

void TfrmMain::BuildInstrumentMenu() {
  instrumentGroup = new QActionGroup(this);
  instrumentGroup->setExclusive(true);
  auto add = [this](const char* name, const QString& caption, const QString& hint, int tag) {
    QAction* a = AddItem(Instrument1, name, caption, hint, {}, nullptr);
    a->setCheckable(true);
    a->setData(tag);
    instrumentGroup->addAction(a);
    connect(a, &QAction::triggered, this, [this, a] { RunCommand([this, a] { NylonStringAcoustic1Click(a); }); });
    return a;
  };
  for (const auto& item : kGuitarItems) add(item.name, item.caption, "Guitar sound.", item.tag);
  Instrument1->addSeparator()->setObjectName("N3");
  add("MIDIPatch1", QString::fromStdString(Settings{}.MenuPatchName), "User selected sound. Set using File/Settings.",
      Settings{}.MenuPatchTag);
  CheckInstrumentItem(CurrentPatch);
}

void TfrmMain::SetMenuPatch(const QString& caption, int tag) {
  QAction* a = action("MIDIPatch1");
  a->setText(caption);
  a->setData(tag);
}

// Checks the item that selects program; the guitar items come first, so a
// user patch that is also a guitar sound checks the guitar item.
void TfrmMain::CheckInstrumentItem(int program) {
  if (!instrumentGroup) return;
  for (QAction* a : instrumentGroup->actions()) {
    const auto selects = static_cast<std::uint8_t>(static_cast<std::uint8_t>(a->data().toInt()) - 1);
    if (selects == static_cast<std::uint8_t>(program)) {
      a->setChecked(true);
      return;
    }
  }
  if (QAction* checked = instrumentGroup->checkedAction()) checked->setChecked(false);
}

void TfrmMain::NylonStringAcoustic1Click(QAction* item) {
  CurrentPatch = static_cast<std::uint8_t>(static_cast<std::uint8_t>(item->data().toInt()) - 1);
  item->setChecked(true);
  Modified = true;
}

// Runs in FormCreate once the settings are loaded.
void TfrmMain::SetUpSound() {
  if (!midiPort_) midiPort_ = std::make_unique<MidiOutPort>(SystemMidiOutput::Instance(), settings);
  // The built-in synthesizer loads its soundfont in the background from now
  // on, so it is ready when the first chord sounds. (Test programs, which
  // sound into recording devices, skip this; the synthesizer would still
  // load on first use.)
  if (!qEnvironmentVariableIsSet(kNoPreloadVariable)) BuiltinSynth::Instance().StartLoading(settings.SoundFont);
  SetMenuPatch(QString::fromStdString(settings.MenuPatchName), settings.MenuPatchTag);

  btnPlay->installEventFilter(new MouseDownFilter(btnPlay, [this] { RunCommand([this] { PlayOrStop(); }); }));
  connect(btnNext, &QPushButton::clicked, this, [this] { RunCommand([this] { StepForward(); }); });
  connect(btnPrev, &QPushButton::clicked, this, [this] { RunCommand([this] { StepBack(); }); });
  connect(rdoPlayOptions, &RadioGroup::clicked, this, [this](int index) { OnPlayOptionClicked(index); });
  connect(chkLoop, &QCheckBox::clicked, this, [this] { RichEdit1->setFocus(); });
}

void TfrmMain::SetMidiOutput(MidiOutputService& service) { midiPort_->SetService(service); }

QString TfrmMain::AcquireMidiPort() {
  if (ExternalMidiMode) return {};
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::string text = midiPort_->OpenMidiPort();
  QApplication::restoreOverrideCursor();
  PortOpen = midiPort_->PortOpen();
  return QString::fromStdString(text);
}

void TfrmMain::ReleaseMidiPort() {
  if (ExternalMidiMode) return;
  midiPort_->CloseMidiPort();
  PortOpen = false;
}

void TfrmMain::CloseMidiPort() {
  if (midiPort_) midiPort_->CloseMidiPort();
  PortOpen = false;
}

// First activation: in External MIDI mode the port opens for the whole run.
void TfrmMain::StartSound() {
  if (!ExternalMidiMode) return;
  const QString text = QString::fromStdString(midiPort_->OpenMidiPort());
  PortOpen = midiPort_->PortOpen();
  midiPort_->SendProgramChange(CurrentPatch);
  if (!frmNoSoundMessage) return;
  frmNoSoundMessage->lblOpenError->setText(text);
  if (!text.isEmpty()) dialogs().Exec(*frmNoSoundMessage);
}

void TfrmMain::ConnectAboutSound() {
  if (!aboutSound_) aboutSound_ = std::make_unique<AboutSound>();
  frmAbout->onActivated = [this] {
    if (aboutSound_) aboutSound_->Start();
  };
  frmAbout->onDeactivated = [this] {
    if (aboutSound_) aboutSound_->Stop();
  };
}

}  // namespace strumbly
