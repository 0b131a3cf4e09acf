#pragma once
// The player: everything that sounds. It owns the MIDI port, the chord list
// a playback works from, the wait between chords and the play schedule, and
// plays the song by the play options, steps through it chord by chord and
// previews single chords. The window shows what it reports through signals.
#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "core/app/settings.h"
#include "core/app/song_state.h"
#include "core/chordsheet/chord_line.h"
#include "core/sound/chord_list.h"
#include "core/sound/play_schedule.h"
#include "platform/playback_wait.h"

class QWidget;

namespace strumbly {

class ChordSheet;
class MidiOutPort;
class MidiOutputService;

class Player : public QObject {
  Q_OBJECT
 public:
  // The play controls, read at the moment they matter: the option and the
  // tempo when Play is pressed, Loop at the end of every pass, Debug at every
  // chord.
  struct Controls {
    std::function<int()> option;  // 0 all, 1 from cursor, 2 highlighted, 3 current line
    std::function<int()> tempo;
    std::function<bool()> loop;
    std::function<bool()> trace;
  };
  enum PlayOption { kAll = 0, kFromCursor = 1, kHighlighted = 2, kCurrentLine = 3 };

  // Error boxes go over dialogParent. The port reads device, channel and
  // octave from settings; all must outlive the player.
  Player(QWidget* dialogParent, ChordSheet& sheet, const SongState& song, const Settings& settings,
         MidiOutputService& device, Controls controls);
  ~Player() override;

  // A play command runs (the Play button reads "Stop").
  bool IsPlaying() const { return playing_; }
  bool StopRequested() const { return stopRequested_; }
  // Ends a running playback as soon as its wait returns; the window closing
  // sets it too.
  void RequestStop();
  void ClearStop() { stopRequested_ = false; }

  // btnPlay and F2: plays by the play option, or stops what plays.
  void PlayOrStop();
  void StepForward();
  void StepBack();
  // The chord for 250 ms on the current instrument, waiting without events.
  void PreviewChord(const std::array<std::uint8_t, 6>& pitches);

  // The chord list that playback, the MIDI file and tablature work from.
  // BuildChordList shows the parser's message (and selects the bad line)
  // when selectOnError, then message when it is not blank.
  bool BuildChordList(const QString& message, bool selectOnError);
  ChordList& chordList() { return chordList_; }
  bool HasChordLine(int first, int last) const;
  void ComputeDurations(std::int32_t wholeLength);

  // The port. Outside External MIDI mode every sound opens and closes it.
  bool ExternalMidiMode() const { return externalMidiMode_; }
  // The mode of the whole run, set once the settings are read at start-up.
  void SetExternalMidiMode(bool on) { externalMidiMode_ = on; }
  QString AcquireMidiPort();
  void ReleaseMidiPort();
  void CloseMidiPort();
  // External MIDI mode: opens the port for the whole run and selects the
  // instrument; gives the open error text, empty when it opened.
  QString OpenPortForRun();
  MidiOutPort& Port() { return *port_; }
  // Points the port at another device (tests give a recording one).
  void SetMidiOutput(MidiOutputService& device);

 signals:
  void playingChanged(bool playing);
  // A range or line sounds: the controls rest meanwhile.
  void soundingChanged(bool sounding);
  // A playback reached a chord line; the record is valid during the call.
  void lineShown(int line, const strumbly::ChordRecord& record);
  // Stepping asks the window to show a line as the caret would.
  void showLine(int line);

 private:
  void ShowError(const QString& text);
  void PlayWithOption(int option);
  void PlayCurrentLine(int line, bool hadSelection, int selStart, int selLength);
  void PlayRange(int first, int last);
  void PlayLine(int index);
  void PlayChord(const std::array<std::uint8_t, 6>& pitches, bool processEvents, std::int32_t length,
                 const std::function<void()>& show = {});
  void WaitForDuration(PlaySchedule::Clock::time_point end, bool processEvents);
  void Step(int direction, const char* failure);
  void SetPlaying(bool playing);

  QWidget* dialogParent_;
  ChordSheet& sheet_;
  const SongState& song_;
  Controls controls_;
  std::unique_ptr<MidiOutPort> port_;
  bool externalMidiMode_ = false;
  ChordList chordList_;
  PlaybackWait wait_;
  std::optional<PlaySchedule> schedule_;  // while a range plays
  bool playing_ = false;
  bool stopRequested_ = false;
};

}  // namespace strumbly
