#include "ui/sound/player.h"

#include <QCoreApplication>
#include <QWidget>

#include "core/chordsheet/text.h"
#include "core/guitar/tuning.h"
#include "core/sound/timing.h"
#include "platform/dialogs.h"
#include "platform/midi/midi_out_port.h"
#include "ui/busy_cursor.h"
#include "ui/chordsheet/chord_sheet.h"
#include "ui/qt_text.h"

namespace strumbly {

namespace {

bool IsChordLineText(const QString& line) {
  const std::string text = line.toStdString();
  return !IsBlank(text) && !IsCommentLine(text);
}

}  // namespace

Player::Player(QWidget* dialogParent, ChordSheet& sheet, const SongState& song, const Settings& settings,
               MidiOutputService& device, Controls controls)
    : dialogParent_(dialogParent),
      sheet_(sheet),
      song_(song),
      controls_(std::move(controls)),
      port_(std::make_unique<MidiOutPort>(device, settings)) {}

Player::~Player() = default;

void Player::ShowError(const QString& text) {
  dialogs().Message(dialogParent_, MessageKind::Error, text, MessageButtons::Ok);
}

void Player::SetPlaying(bool playing) {
  if (playing_ == playing) return;
  playing_ = playing;
  emit playingChanged(playing);
}

void Player::RequestStop() {
  stopRequested_ = true;
  wait_.Interrupt();
}

// --- the chord list -----------------------------------------------------------

bool Player::BuildChordList(const QString& message, bool selectOnError) {
  const QStringList lines = sheet_.Lines();
  const ChordListResult result = ::strumbly::BuildChordList(
      static_cast<int>(lines.size()), [&lines](int i) { return lines[i].toStdString(); }, chordList_);
  if (result.ok) return true;
  if (selectOnError) {
    ShowError(Q(result.error));
    sheet_.SelectLine(result.badLine, true);
  }
  if (!message.trimmed().isEmpty()) ShowError(message);
  return false;
}

bool Player::HasChordLine(int first, int last) const { return ::strumbly::HasChordLine(chordList_, first, last); }

void Player::ComputeDurations(std::int32_t wholeLength) { ::strumbly::ComputeDurations(chordList_, wholeLength); }

// --- the port -------------------------------------------------------------------

QString Player::AcquireMidiPort() {
  if (externalMidiMode_) return {};
  BusyCursor busy;
  return Q(port_->OpenMidiPort());
}

void Player::ReleaseMidiPort() {
  if (!externalMidiMode_) port_->CloseMidiPort();
}

void Player::CloseMidiPort() { port_->CloseMidiPort(); }

QString Player::OpenPortForRun() {
  const QString text = Q(port_->OpenMidiPort());
  port_->SendProgramChange(song_.Patch());
  return text;
}

void Player::SetMidiOutput(MidiOutputService& device) { port_->SetService(device); }

// --- sounding a chord -------------------------------------------------------------

void Player::WaitForDuration(PlaySchedule::Clock::time_point end, bool processEvents) {
  if (stopRequested_) return;
  // A wait that ends early without a Stop (the application is quitting)
  // stops the playback as well.
  if (!wait_.WaitUntil(end, processEvents)) stopRequested_ = true;
}

// The note-ons go out first and the display follows inside the chord's own
// time, so drawing the neck never delays the sound.
void Player::PlayChord(const std::array<std::uint8_t, 6>& pitches, bool processEvents, std::int32_t length,
                       const std::function<void()>& show) {
  const auto now = PlaySchedule::Clock::now();
  const auto span = std::chrono::milliseconds(std::max(length, 0));
  const auto end = schedule_ ? schedule_->Add(length, now) : now + span;
  const auto keys = SoundingPitches(pitches, song_.Offsets());
  // In a playback every note carries the moment the schedule gives it, so
  // a late wake-up of this thread does not move it (devices that can, play
  // it then); previews sound at once.
  for (int key : keys)
    if (key != SilentPitch) {
      if (schedule_)
        port_->SendNoteOn(key, end - span);
      else
        port_->SendNoteOn(key);
    }
  if (show) show();
  WaitForDuration(end, processEvents);
  // The note-offs go out even after a Stop (then at once), so no note is
  // left sounding.
  for (int key : keys)
    if (key != SilentPitch) {
      if (schedule_ && !stopRequested_)
        port_->SendNoteOff(key, end);
      else
        port_->SendNoteOff(key);
    }
}

void Player::PreviewChord(const std::array<std::uint8_t, 6>& pitches) {
  AcquireMidiPort();
  port_->SendProgramChange(song_.Patch());
  PlayChord(pitches, false, PreviewMs);
  ReleaseMidiPort();
}

// --- Play and Stop ------------------------------------------------------------

void Player::PlayOrStop() {
  if (sheet_.LineCount() == 0) {
    ShowError("No chords to play - no lines in editor.");
    return;
  }
  if (playing_ || stopRequested_) {
    SetPlaying(false);
    RequestStop();
    return;
  }
  bool ok;
  {
    BusyCursor busy;
    ok = BuildChordList({}, true);
  }
  if (!ok) return;
  SetPlaying(true);
  PlayWithOption(controls_.option());
  emit showLine(sheet_.CurrentLine());
  stopRequested_ = false;
  SetPlaying(false);
}

void Player::PlayWithOption(int option) {
  sheet_.editor()->setFocus();
  stopRequested_ = false;
  const int current = sheet_.CurrentLine();
  const bool hadSelection = sheet_.SelLength() > 0;
  const int selStart = sheet_.SelStart();
  const int selLength = sheet_.SelLength();

  if (option == kCurrentLine) {
    PlayCurrentLine(current, hadSelection, selStart, selLength);
    sheet_.editor()->setFocus();
    return;
  }

  const int last = static_cast<int>(chordList_.size()) - 1;
  auto playRange = [this](int first, int lastLine) {
    emit soundingChanged(true);
    PlayRange(first, lastLine);
    emit soundingChanged(false);
  };
  if (option == kAll) {
    if (HasChordLine(0, last))
      playRange(0, last);
    else
      ShowError("No chords to play in editor.");
  } else if (option == kFromCursor) {
    if (HasChordLine(current, last))
      playRange(current, last);
    else
      ShowError("No chords to play from cursor.");
  } else if (option == kHighlighted) {
    if (!hadSelection) {
      ShowError("Play Highlighted option is selected with no lines highlighted.");
      sheet_.editor()->setFocus();
      return;
    }
    const int lastSelected = sheet_.LastSelectedLine();
    if (HasChordLine(current, lastSelected))
      playRange(current, lastSelected);
    else
      ShowError("No chords to play in highlighted lines.");
  }
  if (hadSelection) sheet_.SetSelection(selStart, selLength);
  sheet_.editor()->setFocus();
}

void Player::PlayCurrentLine(int line, bool hadSelection, int selStart, int selLength) {
  ChordRecord r;
  const std::string error = ParseChordText(sheet_.Line(line).toStdString(), line, r);
  if (!error.empty()) ShowError(Q(error));
  if (KindOf(r, error) != RecordKind::Chord) {
    ShowError("Play Current Line option is selected and current line is not a chord definition.");
    return;
  }
  emit soundingChanged(true);
  sheet_.SelectLine(line, true);
  const std::int32_t length = DurationValue(r.Duration, WholeNoteMs(controls_.tempo()));
  AcquireMidiPort();
  port_->SendProgramChange(song_.Patch());
  PlayChord(r.Pitches, true, length);
  ReleaseMidiPort();
  if (hadSelection)
    sheet_.SetSelection(selStart, selLength);
  else
    sheet_.SelectLine(line, false);
  emit soundingChanged(false);
}

void Player::PlayRange(int first, int last) {
  ComputeDurations(WholeNoteMs(controls_.tempo()));
  AcquireMidiPort();
  port_->SendProgramChange(song_.Patch());
  // Every chord's end is counted from here.
  schedule_.emplace(PlaySchedule::Clock::now());
  bool firstPass = true;
  while ((firstPass || controls_.loop()) && !stopRequested_) {
    firstPass = false;
    for (int i = first; i <= last && !stopRequested_; ++i) PlayLine(i);
  }
  schedule_.reset();
  ReleaseMidiPort();
}

void Player::PlayLine(int index) {
  if (index < 0 || index >= static_cast<int>(chordList_.size())) return;
  const ChordRecord& r = chordList_[static_cast<std::size_t>(index)];
  if (!IsChordEntry(r)) return;
  PlayChord(r.Pitches, true, r.DurationMs, [&] {
    if (controls_.trace()) sheet_.SelectLine(index, true);
    emit lineShown(index, r);
  });
}

// --- stepping -----------------------------------------------------------------

void Player::StepForward() { Step(+1, "Can't step forward from this line"); }

void Player::StepBack() { Step(-1, "Can't step back from this line"); }

// Sounds the chord line at or beyond the caret in the given direction, then
// moves the selection on to the chord line after it, if there is one.
void Player::Step(int direction, const char* failure) {
  const int n = sheet_.LineCount();
  auto chordLineFrom = [&](int from) {
    for (int j = from; j >= 0 && j <= n; j += direction)
      if (IsChordLineText(sheet_.Line(j))) return j;
    return -1;
  };
  int i = sheet_.CurrentLine();
  if (const int j = chordLineFrom(i); j >= 0) i = j;
  if (!IsChordLineText(sheet_.Line(i))) {
    ShowError(failure);
    return;
  }
  emit showLine(i);
  sheet_.SelectLine(i, true);
  QCoreApplication::processEvents();
  ChordRecord r;
  const std::string error = ParseChordText(sheet_.Line(i).toStdString(), i, r);
  if (error.empty())
    PreviewChord(r.Pitches);
  else
    ShowError(Q(error));
  if (const int j = chordLineFrom(i + direction); j >= 0) {
    emit showLine(j);
    sheet_.SelectLine(j, true);
    sheet_.editor()->setFocus();
  }
}

}  // namespace strumbly
