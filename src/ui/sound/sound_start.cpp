// The main window's play controls and the sound at the start of the run.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include "platform/dialogs.h"
#include "platform/midi/about_sound.h"
#include "ui/app/about_box.h"
#include "ui/app/main_window.h"
#include "ui/app/small_windows.h"
#include "ui/radio_group.h"
#include "ui/sound/player.h"

namespace strumbly {

namespace {

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

void TfrmMain::ConnectPlayControls() {
  btnPlay->installEventFilter(new MouseDownFilter(btnPlay, [this] { RunCommand([this] { player_->PlayOrStop(); }); }));
  connect(btnNext, &QPushButton::clicked, this, [this] { RunCommand([this] { player_->StepForward(); }); });
  connect(btnPrev, &QPushButton::clicked, this, [this] { RunCommand([this] { player_->StepBack(); }); });
  // Loop and Debug belong to the range options only.
  connect(rdoPlayOptions, &RadioGroup::clicked, this, [this](int index) {
    const bool rangeOption = index != Player::kCurrentLine;
    chkLoop->setVisible(rangeOption);
    chkTrace->setVisible(rangeOption);
    FocusEditor();
  });
  connect(chkLoop, &QCheckBox::clicked, this, &TfrmMain::FocusEditor);
}

// The controls rest while a song sounds; the group titles turn grey and take
// the window's usual text colour again when idle.
void TfrmMain::SetPlayingState(bool idle) {
  for (QGroupBox* g : {grpPlayControls, grpEditControls}) {
    if (idle) {
      g->setPalette(QPalette());
    } else {
      QPalette p = g->palette();
      for (auto role : {QPalette::WindowText, QPalette::Text}) p.setColor(role, QColor(128, 128, 128));
      g->setPalette(p);
    }
  }
  action("Start1")->setVisible(idle);
  action("Stop1")->setVisible(!idle);
  QList<QWidget*> controls = {grpPlayControls, btnNewChord, grpEditControls, btnPrev,  btnNext,   btnShiftLeft,
                              btnShiftRight,   btnRest,     btnDup,          btnClear, btnDelete, cboDictionary,
                              rdoPlayOptions,  chkTrace,    chkLoop,         chkDotted};
  for (QPushButton* b : durationButtons) controls << b;
  for (QWidget* w : controls)
    if (w) w->setEnabled(idle);
  for (QMenu* m : {File1, Edit1, Instrument1, Help1, Special1, Tuning1}) {
    if (!m) continue;
    m->menuAction()->setEnabled(idle);
    m->setEnabled(idle);
  }
}

// First activation: in External MIDI mode the port opens for the whole run.
void TfrmMain::StartSound() {
  if (!player_->ExternalMidiMode()) return;
  const QString text = player_->OpenPortForRun();
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
