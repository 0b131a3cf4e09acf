#pragma once
// The main window's play controls and the sound of the run: btnPlay, the
// step buttons and the play options drive the player; while a song sounds
// the other controls rest; in External MIDI mode the port opens once for
// the whole run; the About box plays its phrase while it is active.
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QGroupBox;
class QMenu;
class QPushButton;
class QWidget;

namespace strumbly {

class AboutSound;
class Player;
class RadioGroup;

class SoundControls : public QObject {
  Q_OBJECT
 public:
  struct Widgets {
    QPushButton* btnPlay = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* btnPrev = nullptr;
    RadioGroup* rdoPlayOptions = nullptr;
    QCheckBox* chkLoop = nullptr;
    QCheckBox* chkTrace = nullptr;
    // Their titles turn grey while playing.
    QList<QGroupBox*> groups;
    QAction* start = nullptr;  // Start1, shown when idle
    QAction* stop = nullptr;   // Stop1, shown while playing
    // Disabled while playing.
    QList<QWidget*> resting;
    QList<QMenu*> restingMenus;
  };
  // Runs a command the way the window runs every command (its failures
  // reported); told a failed open of the port at the start of the run.
  using RunCommand = std::function<void(const std::function<void()>&)>;
  using ReportNoSound = std::function<void(const QString& openError)>;

  // Connects the controls to the player; the widgets must outlive this.
  SoundControls(Player& player, Widgets widgets, RunCommand run, ReportNoSound reportNoSound,
                QObject* parent = nullptr);
  ~SoundControls() override;

  // idle: the controls take input again; otherwise they rest.
  void SetPlayingState(bool idle);
  // First activation: in External MIDI mode the port opens for the whole
  // run; a failure is reported once.
  void StartSound();
  // The About box became active or stopped being so.
  void AboutBoxActive(bool active);

 signals:
  void focusEditor();

 private:
  Player& player_;
  Widgets w_;
  RunCommand run_;
  ReportNoSound reportNoSound_;
  std::unique_ptr<AboutSound> aboutSound_;
};

}  // namespace strumbly
