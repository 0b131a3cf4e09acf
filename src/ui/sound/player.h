#pragma once
// The player: everything that sounds. It owns the MIDI port, the chord list
// a playback works from and the play schedule, and plays the song by the
// play options, steps through it chord by chord and previews single chords.
//
// Nothing waits: Play sounds the first chord and returns, and a timer of the
// event loop wakes the player at the end of every chord to end it and sound
// the next, each message stamped with the moment the schedule gives it.
// Stop silences at once. The player shows nothing itself: the window shows
// what it reports through signals, its errors included.
#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/app/settings.h"
#include "core/app/song_state.h"
#include "core/chordsheet/chord_line.h"
#include "core/sound/chord_list.h"
#include "core/sound/play_schedule.h"
#include "platform/playback_timer.h"

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

  // The port reads device, channel and octave from settings; all must
  // outlive the player.
  Player(ChordSheet& sheet, const SongState& song, const Settings& settings, MidiOutputService& device,
         Controls controls);
  ~Player() override;

  // A play command runs (the Play button reads "Stop"), from Play until the
  // range has played or Stop.
  bool IsPlaying() const { return playing_; }
  // Anything sounds: a playback or a preview.
  bool IsSounding() const { return run_ != Run::None; }
  // Ends what sounds at once: its notes end now and the port is released;
  // a playback puts back the selection and the play state as when it ends.
  void Stop();

  // btnPlay and F2: plays by the play option, or stops what plays.
  void PlayOrStop();
  void StepForward();
  void StepBack();
  // The chord for 250 ms on the current instrument; returns at once. A
  // preview still sounding ends first. Nothing sounds while a song plays.
  void PreviewChord(const std::array<std::uint8_t, 6>& pitches);

  // The chord list that playback, the MIDI file and tablature work from.
  // BuildChordList reports the parser's message (and selects the bad line)
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
  // Ends what sounds, then closes the port whatever the mode (at exit).
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
  // A message for the user, in an error box.
  void errorOccurred(const QString& text);
  // After a command the editor has the keyboard focus again.
  void focusEditor();

 private:
  enum class Run { None, Range, CurrentLine, Preview };
  using Clock = PlaySchedule::Clock;

  void PlayWithOption(int option);
  void StartCurrentLine(int line);
  void StartRange(int first, int last);
  void NextChord();
  void FinishPlay();
  void Preview(const std::array<std::uint8_t, 6>& pitches, std::function<void()> then);
  void EndPreview(bool runNext);
  void OnTimer();
  // Note-ons of the chord, at the moment given or now; they become the
  // sounding chord.
  void SoundChord(const std::array<std::uint8_t, 6>& pitches, std::optional<Clock::time_point> at);
  // The note-offs of the sounding chord, at the moment given or now.
  void EndChord(std::optional<Clock::time_point> at);
  void Step(int direction, const char* failure);
  void SetPlaying(bool playing);

  ChordSheet& sheet_;
  const SongState& song_;
  Controls controls_;
  std::unique_ptr<MidiOutPort> port_;
  bool externalMidiMode_ = false;
  ChordList chordList_;
  bool playing_ = false;

  Run run_ = Run::None;
  PlaybackTimer timer_;
  std::vector<int> sounding_;  // keys of the chord that sounds
  // A range: its records (copied, so a rebuilt chord list cannot pull them
  // away), the line of the first, the next to play and the schedule.
  ChordList range_;
  int rangeFirst_ = 0;
  std::size_t next_ = 0;
  std::optional<PlaySchedule> schedule_;
  // What a play puts back when it ends.
  struct Selection {
    bool had = false;
    int start = 0;
    int length = 0;
  } selection_;
  int currentLine_ = 0;  // the "Current line" option's line
  // A step moves on once its chord has sounded.
  std::function<void()> afterPreview_;
};

}  // namespace strumbly
