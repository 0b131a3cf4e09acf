// Playing the song: play options, loop, stepping, previews.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>

#include "core/chordsheet/text.h"
#include "core/sound/timing.h"
#include "platform/midi/midi_out_port.h"
#include "ui/main_window.h"
#include "ui/radio_group.h"

namespace strumbly {

namespace {

class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

bool IsChordLineText(const QString& line) {
  const std::string text = line.toStdString();
  return !IsBlank(text) && !IsCommentLine(text);
}

}  // namespace

// --- the chord list -----------------------------------------------------------

bool TfrmMain::BuildChordList(const QString& message, bool selectOnError) {
  lblChordName->clear();
  const QStringList lines = sheet_->Lines();
  const ChordListResult result = ::strumbly::BuildChordList(
      static_cast<int>(lines.size()), [&lines](int i) { return lines[i].toStdString(); }, chordList);
  if (result.ok) return true;
  if (selectOnError) {
    ShowError(QString::fromStdString(result.error));
    sheet_->SelectLine(result.badLine, true);
  }
  if (!message.trimmed().isEmpty()) ShowError(message);
  return false;
}

bool TfrmMain::HasChordLine(int first, int last) {
  BusyCursor busy;
  return ::strumbly::HasChordLine(chordList, first, last);
}

void TfrmMain::ComputeDurations(std::int32_t wholeLength) { ::strumbly::ComputeDurations(chordList, wholeLength); }

// --- sounding a chord ---------------------------------------------------------

void TfrmMain::WaitForDuration(PlaySchedule::Clock::time_point end, bool processEvents) {
  if (StopRequested) return;
  // A wait that ends early without a Stop (the application is quitting)
  // stops the playback as well.
  if (!playbackWait_.WaitUntil(end, processEvents)) StopRequested = true;
}

void TfrmMain::PlayChord(const std::array<std::uint8_t, 6>& pitches, bool processEvents, std::int32_t length) {
  PlayChordWith(pitches, processEvents, length, {});
}

// The note-ons go out first and the display follows inside the chord's own
// time, so drawing the neck never delays the sound.
void TfrmMain::PlayChordWith(const std::array<std::uint8_t, 6>& pitches, bool processEvents, std::int32_t length,
                             const std::function<void()>& show) {
  const auto now = PlaySchedule::Clock::now();
  const auto end = playSchedule_ ? playSchedule_->Add(length, now) : now + std::chrono::milliseconds(std::max(length, 0));
  for (std::size_t s = 0; s < 6; ++s)
    if (pitches[s] != SilentPitch) midiPort_->SendNoteOn(pitches[s] + TuningOffsets[s]);
  if (show) show();
  WaitForDuration(end, processEvents);
  // The note-offs go out even after a Stop, so no note is left sounding.
  for (std::size_t s = 0; s < 6; ++s)
    if (pitches[s] != SilentPitch) midiPort_->SendNoteOff(pitches[s] + TuningOffsets[s]);
}

void TfrmMain::PreviewChord(const std::array<std::uint8_t, 6>& pitches) {
  AcquireMidiPort();
  midiPort_->SendProgramChange(CurrentPatch);
  PlayChord(pitches, false, PreviewMs);
  ReleaseMidiPort();
}

// --- Play and Stop ------------------------------------------------------------

void TfrmMain::PlayOrStop() {
  if (sheet_->LineCount() == 0) {
    ShowError("No chords to play - no lines in editor.");
    return;
  }
  if (btnPlay->text() != "Play" || StopRequested) {
    btnPlay->setText("Play");
    StopRequested = true;
    playbackWait_.Interrupt();
    return;
  }
  bool ok;
  {
    BusyCursor busy;
    ok = BuildChordList({}, true);
  }
  if (!ok) return;
  btnPlay->setText("Stop");
  PlayWithOption(rdoPlayOptions->itemIndex());
  ShowLine(sheet_->CurrentLine());
  StopRequested = false;
  btnPlay->setText("Play");
}

void TfrmMain::PlayWithOption(int option) {
  RichEdit1->setFocus();
  StopRequested = false;
  const int current = sheet_->CurrentLine();
  const bool hadSelection = sheet_->SelLength() > 0;
  const int selStart = sheet_->SelStart();
  const int selLength = sheet_->SelLength();

  if (option == 3) {
    ChordRecord r;
    const std::string error = ParseChordLine(current, true, r);
    if (KindOf(r, error) == RecordKind::Chord) {
      SetPlayingState(false);
      sheet_->SelectLine(current, true);
      const std::int32_t length = DurationValue(r.Duration, WholeNoteMs(trackbarTempo->value()));
      AcquireMidiPort();
      midiPort_->SendProgramChange(CurrentPatch);
      PlayChord(r.Pitches, true, length);
      ReleaseMidiPort();
      if (hadSelection) sheet_->SetSelection(selStart, selLength);
      else sheet_->SelectLine(current, false);
      SetPlayingState(true);
    } else {
      ShowError("Play Current Line option is selected and current line is not a chord definition.");
    }
    RichEdit1->setFocus();
    return;
  }

  const int last = static_cast<int>(chordList.size()) - 1;
  auto playRange = [this](int first, int lastLine) {
    SetPlayingState(false);
    PlayRange(first, lastLine);
    SetPlayingState(true);
  };
  if (option == 0) {
    if (HasChordLine(0, last)) playRange(0, last);
    else ShowError("No chords to play in editor.");
  } else if (option == 1) {
    if (HasChordLine(current, last)) playRange(current, last);
    else ShowError("No chords to play from cursor.");
  } else if (option == 2) {
    if (!hadSelection) {
      ShowError("Play Highlighted option is selected with no lines highlighted.");
      RichEdit1->setFocus();
      return;
    }
    const int lastSelected = sheet_->LastSelectedLine();
    if (HasChordLine(current, lastSelected)) playRange(current, lastSelected);
    else ShowError("No chords to play in highlighted lines.");
  }
  if (hadSelection) sheet_->SetSelection(selStart, selLength);
  RichEdit1->setFocus();
}

void TfrmMain::PlayRange(int first, int last) {
  ComputeDurations(WholeNoteMs(trackbarTempo->value()));
  AcquireMidiPort();
  midiPort_->SendProgramChange(CurrentPatch);
  // Every chord's end is counted from here.
  playSchedule_.emplace(PlaySchedule::Clock::now());
  bool firstPass = true;
  while ((chkLoop->isChecked() || firstPass) && !StopRequested) {
    firstPass = false;
    for (int i = first; i <= last && !StopRequested; ++i) PlayLine(i);
  }
  playSchedule_.reset();
  ReleaseMidiPort();
}

void TfrmMain::PlayLine(int index) {
  if (index < 0 || index >= static_cast<int>(chordList.size())) return;
  const ChordRecord& r = chordList[static_cast<std::size_t>(index)];
  if (!IsChordEntry(r)) return;
  PlayChordWith(r.Pitches, true, r.DurationMs, [&] {
    ShowChordOnNeck(r.Frets);
    if (chkTrace->isChecked()) sheet_->SelectLine(index, true);
    lblChordName->setText(QString::fromStdString(r.Name));
  });
}

void TfrmMain::SetPlayingState(bool idle) {
  // The group titles turn grey while playing and take the window's usual
  // (black) text colour again when idle.
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
  QList<QWidget*> controls = {grpPlayControls, btnNewChord,   grpEditControls, btnPrev,  btnNext,
                              btnShiftLeft,    btnShiftRight, btnRest,         btnDup,   btnClear,
                              btnDelete,       cboDictionary, rdoPlayOptions,  chkTrace, chkLoop,
                              chkDotted};
  for (QPushButton* b : durationButtons) controls << b;
  for (QWidget* w : controls)
    if (w) w->setEnabled(idle);
  for (QMenu* m : {File1, Edit1, Instrument1, Help1, Special1, Tuning1}) {
    if (!m) continue;
    m->menuAction()->setEnabled(idle);
    m->setEnabled(idle);
  }
}

// --- stepping -----------------------------------------------------------------

void TfrmMain::StepForward() { Step(+1, "Can't step forward from this line"); }

void TfrmMain::StepBack() { Step(-1, "Can't step back from this line"); }

// Sounds the chord line at or beyond the caret in the given direction, then
// moves the selection on to the chord line after it, if there is one.
void TfrmMain::Step(int direction, const char* failure) {
  const int n = sheet_->LineCount();
  auto chordLineFrom = [&](int from) {
    for (int j = from; j >= 0 && j <= n; j += direction)
      if (IsChordLineText(sheet_->Line(j))) return j;
    return -1;
  };
  int i = sheet_->CurrentLine();
  if (const int j = chordLineFrom(i); j >= 0) i = j;
  if (!IsChordLineText(sheet_->Line(i))) {
    ShowError(failure);
    return;
  }
  ShowLine(i);
  sheet_->SelectLine(i, true);
  QCoreApplication::processEvents();
  ChordRecord r;
  if (ParseChordLine(i, true, r).empty()) {
    PreviewChord(r.Pitches);
    lblChordName->setText(QString::fromStdString(r.Name));
  }
  if (const int j = chordLineFrom(i + direction); j >= 0) {
    ShowLine(j);
    sheet_->SelectLine(j, true);
    RichEdit1->setFocus();
  }
}

// --- the play options ---------------------------------------------------------

void TfrmMain::OnPlayOptionClicked(int index) {
  const bool rangeOption = index != 3;
  chkLoop->setVisible(rangeOption);
  chkTrace->setVisible(rangeOption);
  RichEdit1->setFocus();
}

}  // namespace strumbly
