#include "ui/sound/sound_controls.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>

#include "platform/midi/about_sound.h"
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

SoundControls::SoundControls(Player& player, Widgets widgets, RunCommand run, ReportNoSound reportNoSound,
                             QObject* parent)
    : QObject(parent),
      player_(player),
      w_(std::move(widgets)),
      run_(std::move(run)),
      reportNoSound_(std::move(reportNoSound)) {
  w_.btnPlay->installEventFilter(new MouseDownFilter(w_.btnPlay, [this] { run_([this] { player_.PlayOrStop(); }); }));
  connect(w_.btnNext, &QPushButton::clicked, this, [this] { run_([this] { player_.StepForward(); }); });
  connect(w_.btnPrev, &QPushButton::clicked, this, [this] { run_([this] { player_.StepBack(); }); });
  // Loop and Debug belong to the range options only.
  connect(w_.rdoPlayOptions, &RadioGroup::clicked, this, [this](int index) {
    const bool rangeOption = index != Player::kCurrentLine;
    w_.chkLoop->setVisible(rangeOption);
    w_.chkTrace->setVisible(rangeOption);
    emit focusEditor();
  });
  connect(w_.chkLoop, &QCheckBox::clicked, this, &SoundControls::focusEditor);
}

SoundControls::~SoundControls() = default;

// The controls rest while a song sounds; the group titles turn grey and take
// the window's usual text colour again when idle.
void SoundControls::SetPlayingState(bool idle) {
  for (QGroupBox* g : w_.groups) {
    if (idle) {
      g->setPalette(QPalette());
    } else {
      QPalette p = g->palette();
      for (auto role : {QPalette::WindowText, QPalette::Text}) p.setColor(role, QColor(128, 128, 128));
      g->setPalette(p);
    }
  }
  if (w_.start) w_.start->setVisible(idle);
  if (w_.stop) w_.stop->setVisible(!idle);
  for (QWidget* c : w_.resting)
    if (c) c->setEnabled(idle);
  for (QMenu* m : w_.restingMenus) {
    if (!m) continue;
    m->menuAction()->setEnabled(idle);
    m->setEnabled(idle);
  }
}

void SoundControls::StartSound() {
  if (!player_.ExternalMidiMode()) return;
  const QString text = player_.OpenPortForRun();
  if (!text.isEmpty() && reportNoSound_) reportNoSound_(text);
}

void SoundControls::AboutBoxActive(bool active) {
  if (!aboutSound_) aboutSound_ = std::make_unique<AboutSound>();
  if (active)
    aboutSound_->Start();
  else
    aboutSound_->Stop();
}

}  // namespace strumbly
