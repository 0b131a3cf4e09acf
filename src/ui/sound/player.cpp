#include "ui/sound/player.h"

#include <QPlainTextEdit>
#include <algorithm>

#include "core/chordsheet/text.h"
#include "core/guitar/tuning.h"
#include "core/sound/timing.h"
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

std::chrono::milliseconds Span(std::int32_t lengthMs) { return std::chrono::milliseconds(std::max(lengthMs, 0)); }

}  // namespace

Player::Player(ChordSheet& sheet, const SongState& song, const Settings& settings, MidiOutputService& device,
               Controls controls)
    : sheet_(sheet),
      song_(song),
      controls_(std::move(controls)),
      port_(std::make_unique<MidiOutPort>(device, settings)),
      timer_([this] { OnTimer(); }) {}

// Whatever sounds ends with the player; nobody is told any more.
Player::~Player() {
  timer_.Stop();
  EndChord(std::nullopt);
}

void Player::SetPlaying(bool playing) {
  if (playing_ == playing) return;
  playing_ = playing;
  emit playingChanged(playing);
}

// --- the chord list -----------------------------------------------------------

bool Player::BuildChordList(const QString& message, bool selectOnError) {
  const QStringList lines = sheet_.Lines();
  const ChordListResult result = ::strumbly::BuildChordList(
      static_cast<int>(lines.size()), [&lines](int i) { return lines[i].toStdString(); }, chordList_);
  if (result.ok) return true;
  if (selectOnError) {
    emit errorOccurred(Q(result.error));
    sheet_.SelectLine(result.badLine, true);
  }
  if (!message.trimmed().isEmpty()) emit errorOccurred(message);
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

void Player::CloseMidiPort() {
  Stop();
  port_->CloseMidiPort();
}

QString Player::OpenPortForRun() {
  const QString text = Q(port_->OpenMidiPort());
  port_->SendProgramChange(song_.Patch());
  return text;
}

void Player::SetMidiOutput(MidiOutputService& device) {
  Stop();
  port_->SetService(device);
}

// --- sounding a chord -------------------------------------------------------------

// A chord is a block chord: its note-ons go out together. In a playback
// each carries the moment the schedule gives it, so a late wake-up of this
// thread does not move it (devices that can place notes in time play it
// then); previews sound at once.
void Player::SoundChord(const std::array<std::uint8_t, 6>& pitches, std::optional<Clock::time_point> at) {
  for (int key : SoundingPitches(pitches, song_.SoundingOffsets())) {
    if (key == SilentPitch) continue;
    if (at)
      port_->SendNoteOn(key, *at);
    else
      port_->SendNoteOn(key);
    sounding_.push_back(key);
  }
}

// No note is left sounding: a stopped chord ends at once.
void Player::EndChord(std::optional<Clock::time_point> at) {
  for (int key : sounding_) {
    if (at)
      port_->SendNoteOff(key, *at);
    else
      port_->SendNoteOff(key);
  }
  sounding_.clear();
}

void Player::OnTimer() {
  switch (run_) {
    case Run::Range:
      NextChord();
      break;
    case Run::CurrentLine:
      EndChord(std::nullopt);
      FinishPlay();
      break;
    case Run::Preview:
      EndPreview(true);
      break;
    case Run::None:
      break;
  }
}

void Player::Stop() {
  switch (run_) {
    case Run::Range:
    case Run::CurrentLine:
      timer_.Stop();
      EndChord(std::nullopt);
      FinishPlay();
      break;
    case Run::Preview:
      EndPreview(true);
      break;
    case Run::None:
      SetPlaying(false);
      break;
  }
}

// --- previews -----------------------------------------------------------------

void Player::PreviewChord(const std::array<std::uint8_t, 6>& pitches) { Preview(pitches, {}); }

void Player::Preview(const std::array<std::uint8_t, 6>& pitches, std::function<void()> then) {
  if (run_ == Run::Range || run_ == Run::CurrentLine) return;
  EndPreview(true);
  AcquireMidiPort();
  port_->SendProgramChange(song_.Patch());
  run_ = Run::Preview;
  afterPreview_ = std::move(then);
  SoundChord(pitches, std::nullopt);
  timer_.Start(Clock::now() + Span(PreviewMs));
}

// A preview cut short counts as done: what was to follow it follows now.
void Player::EndPreview(bool runNext) {
  if (run_ != Run::Preview) return;
  timer_.Stop();
  EndChord(std::nullopt);
  ReleaseMidiPort();
  run_ = Run::None;
  auto then = std::move(afterPreview_);
  afterPreview_ = {};
  if (runNext && then) then();
}

// --- Play and Stop ------------------------------------------------------------

void Player::PlayOrStop() {
  if (sheet_.LineCount() == 0) {
    emit errorOccurred("No chords to play - no lines in editor.");
    return;
  }
  if (playing_) {
    Stop();
    return;
  }
  EndPreview(true);
  bool ok;
  {
    BusyCursor busy;
    ok = BuildChordList({}, true);
  }
  if (!ok) return;
  SetPlaying(true);
  PlayWithOption(controls_.option());
  // Nothing to play: the play command ends here.
  if (run_ == Run::None) {
    emit showLine(sheet_.CurrentLine());
    SetPlaying(false);
  }
}

void Player::PlayWithOption(int option) {
  emit focusEditor();
  const int current = sheet_.CurrentLine();
  selection_ = {sheet_.SelLength() > 0, sheet_.SelStart(), sheet_.SelLength()};

  if (option == kCurrentLine) {
    StartCurrentLine(current);
    if (run_ == Run::None) emit focusEditor();
    return;
  }

  const int last = static_cast<int>(chordList_.size()) - 1;
  if (option == kAll) {
    if (HasChordLine(0, last))
      StartRange(0, last);
    else
      emit errorOccurred("No chords to play in editor.");
  } else if (option == kFromCursor) {
    if (HasChordLine(current, last))
      StartRange(current, last);
    else
      emit errorOccurred("No chords to play from cursor.");
  } else if (option == kHighlighted) {
    if (!selection_.had) {
      emit errorOccurred("Play Highlighted option is selected with no lines highlighted.");
      emit focusEditor();
      return;
    }
    const int lastSelected = sheet_.LastSelectedLine();
    if (HasChordLine(current, lastSelected))
      StartRange(current, lastSelected);
    else
      emit errorOccurred("No chords to play in highlighted lines.");
  }
  if (run_ != Run::None) return;
  if (selection_.had) sheet_.SetSelection(selection_.start, selection_.length);
  emit focusEditor();
}

void Player::StartCurrentLine(int line) {
  ChordRecord r;
  const std::string error = ParseChordText(sheet_.Line(line).toStdString(), line, r);
  if (!error.empty()) emit errorOccurred(Q(error));
  if (KindOf(r, error) != RecordKind::Chord) {
    emit errorOccurred("Play Current Line option is selected and current line is not a chord definition.");
    return;
  }
  emit soundingChanged(true);
  sheet_.SelectLine(line, true);
  const std::int32_t length = DurationValue(r.Duration, WholeNoteMs(controls_.tempo()));
  AcquireMidiPort();
  port_->SendProgramChange(song_.Patch());
  run_ = Run::CurrentLine;
  currentLine_ = line;
  SoundChord(r.Pitches, std::nullopt);
  timer_.Start(Clock::now() + Span(length));
}

void Player::StartRange(int first, int last) {
  emit soundingChanged(true);
  ComputeDurations(WholeNoteMs(controls_.tempo()));
  const int size = static_cast<int>(chordList_.size());
  first = std::clamp(first, 0, size);
  last = std::clamp(last, first - 1, size - 1);
  range_.assign(chordList_.begin() + first, chordList_.begin() + last + 1);
  rangeFirst_ = first;
  next_ = 0;
  AcquireMidiPort();
  port_->SendProgramChange(song_.Patch());
  run_ = Run::Range;
  // Every chord's end is counted from here.
  schedule_.emplace(Clock::now());
  NextChord();
}

// At the end of a chord (or the start of the range): the chord ends at the
// moment planned for it, and the next chord line sounds from that moment.
// Comment and blank lines take no time. Loop is read at the end of a pass.
void Player::NextChord() {
  EndChord(schedule_->NextStart());
  bool wrapped = false;
  while (next_ >= range_.size() || !IsChordEntry(range_[next_])) {
    if (next_ < range_.size()) {
      ++next_;
      continue;
    }
    if (wrapped || !controls_.loop()) {
      FinishPlay();
      return;
    }
    wrapped = true;
    next_ = 0;
  }
  const std::size_t index = next_++;
  const ChordRecord& r = range_[index];
  const int line = rangeFirst_ + static_cast<int>(index);
  const auto end = schedule_->Add(r.DurationMs, Clock::now());
  // The sound goes out first and the display follows inside the chord's own
  // time, so drawing the neck never delays the sound.
  SoundChord(r.Pitches, end - Span(r.DurationMs));
  if (controls_.trace()) sheet_.SelectLine(line, true);
  emit lineShown(line, r);
  timer_.Start(end);
}

// The end of a play, by its last chord or by Stop: the port goes back, the
// controls wake, the selection is put back and the line under the caret
// shows again.
void Player::FinishPlay() {
  const Run run = run_;
  timer_.Stop();
  schedule_.reset();
  range_.clear();
  ReleaseMidiPort();
  run_ = Run::None;
  if (run == Run::CurrentLine) {
    if (selection_.had)
      sheet_.SetSelection(selection_.start, selection_.length);
    else
      sheet_.SelectLine(currentLine_, false);
    emit soundingChanged(false);
  } else {
    emit soundingChanged(false);
    if (selection_.had) sheet_.SetSelection(selection_.start, selection_.length);
  }
  emit focusEditor();
  emit showLine(sheet_.CurrentLine());
  SetPlaying(false);
}

// --- stepping -----------------------------------------------------------------

void Player::StepForward() { Step(+1, "Can't step forward from this line"); }

void Player::StepBack() { Step(-1, "Can't step back from this line"); }

// Sounds the chord line at or beyond the caret in the given direction, then,
// once it has sounded, moves the selection on to the chord line after it, if
// there is one.
void Player::Step(int direction, const char* failure) {
  EndPreview(true);  // a step still sounding moves on first
  auto chordLineFrom = [this, direction](int from) {
    const int n = sheet_.LineCount();
    for (int j = from; j >= 0 && j <= n; j += direction)
      if (IsChordLineText(sheet_.Line(j))) return j;
    return -1;
  };
  int i = sheet_.CurrentLine();
  if (const int j = chordLineFrom(i); j >= 0) i = j;
  if (!IsChordLineText(sheet_.Line(i))) {
    emit errorOccurred(failure);
    return;
  }
  emit showLine(i);
  sheet_.SelectLine(i, true);
  // The selection is painted before the sound.
  sheet_.editor()->viewport()->repaint();
  auto moveOn = [this, chordLineFrom, i, direction] {
    if (const int j = chordLineFrom(i + direction); j >= 0) {
      emit showLine(j);
      sheet_.SelectLine(j, true);
      emit focusEditor();
    }
  };
  ChordRecord r;
  const std::string error = ParseChordText(sheet_.Line(i).toStdString(), i, r);
  if (error.empty()) {
    Preview(r.Pitches, moveOn);
  } else {
    emit errorOccurred(Q(error));
    moveOn();
  }
}

}  // namespace strumbly
