#include <signal.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <chrono>
#include <set>

#include "core/sound/timing.h"
#include "platform/midi/midi_out_port.h"
#include "platform/termination_signals.h"
#include "support/shots.h"
#include "support/sound_window_fixture.h"
#include "ui/app/small_windows.h"
#include "ui/radio_group.h"

using namespace strumbly;
using strumbly::test::SoundWindowTest;
using Clock = std::chrono::steady_clock;

namespace {
const QString kC = "C, x, 3, 2, 0, 1, 0, F";  // 48 52 55 60 64 (played string 1 first)
const QString kG = "G, 3, 2, 0, 0, 0, 3, F";  // 43 47 50 55 59 67
const QString kRest = "Rest, x, x, x, x, x, x, Q";

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Every note-on is ended by a note-off of the same key, in order.
void ExpectBalanced(const test::RecordingMidiOutput& device) {
  std::multiset<int> sounding;
  for (const auto& m : device.messages) {
    if (m.message.Kind() == kNoteOnStatus) sounding.insert(m.message.data1);
    if (m.message.Kind() == kNoteOffStatus) {
      auto it = sounding.find(m.message.data1);
      ASSERT_NE(it, sounding.end()) << "note-off without note-on " << int(m.message.data1);
      sounding.erase(it);
    }
  }
  EXPECT_TRUE(sounding.empty());
}
}  // namespace

TEST_F(SoundWindowTest, PlayAllSendsProgramThenEachChordAndRestsTakeTheirTime) {
  TfrmMain& w = *window;
  SetSong({"* intro", kC, "", kRest, kG});
  // Play sounds the first chord and returns; the rest follows from the event loop.
  w.player().PlayOrStop();
  EXPECT_TRUE(w.player().IsPlaying());
  EXPECT_EQ(w.btnPlay->text(), "Stop");
  EXPECT_EQ(MessageTexts(), (QStringList{"C0 25", "90 64", "90 60", "90 55", "90 52", "90 48"}));
  EXPECT_TRUE(test::RunUntilQuiet(w.player()));
  EXPECT_TRUE(dialogs->messages.empty());
  EXPECT_EQ(MessageTexts(), (QStringList{"C0 25", "90 64", "90 60", "90 55", "90 52", "90 48", "80 64", "80 60",
                                         "80 55", "80 52", "80 48", "90 67", "90 59", "90 55", "90 50", "90 47",
                                         "90 43", "80 67", "80 59", "80 55", "80 50", "80 47", "80 43"}));
  // C sounds one sixty-fourth (7 ms), the rest a quarter (120 ms) in silence.
  const auto& m = device.messages;
  EXPECT_GE(Ms(m[6].at - m[1].at), 6.5);
  EXPECT_GE(Ms(m[11].at - m[1].at), 7 + 120 - 0.5);
  EXPECT_LT(Ms(m[11].at - m[1].at), 7 + 120 + 40);
  EXPECT_EQ(device.opens, 1);
  EXPECT_EQ(device.closes, 1);
  EXPECT_FALSE(w.player().Port().PortOpen());
  EXPECT_EQ(w.btnPlay->text(), "Play");
  EXPECT_EQ(w.lblChordName->text(), "No Chord  -  Comment Line");  // the line under the caret again
}

TEST_F(SoundWindowTest, TuningAndOctaveShiftMoveTheSoundedKeys) {
  TfrmMain& w = *window;
  SetSong({"E5, 0, x, x, x, x, x, F"});
  w.song().SetTuning(355433);  // lowers string 6 by two
  PlayToEnd();
  EXPECT_EQ(device.NoteOnKeys(), (std::vector<int>{38}));
  device.Clear();
  w.settings().Octave = -12;
  w.settings().Channel = 9;
  PlayToEnd();
  EXPECT_EQ(MessageTexts(), (QStringList{"C9 25", "99 26", "89 26"}));
}

TEST_F(SoundWindowTest, PlayOptionMessages) {
  TfrmMain& w = *window;
  auto play = [&](int option) {
    dialogs->messages.clear();
    w.rdoPlayOptions->setItemIndex(option);
    w.player().PlayOrStop();
    return dialogs->texts();
  };
  SetSong({});
  EXPECT_EQ(play(0), QStringList{"No chords to play - no lines in editor."});
  SetSong({"* just a comment", ""});
  EXPECT_EQ(play(0), QStringList{"No chords to play in editor."});
  SetSong({kC, "* after"});
  w.sheet().SelectLine(1, false);
  EXPECT_EQ(play(1), QStringList{"No chords to play from cursor."});
  w.sheet().SelectLine(0, false);
  EXPECT_EQ(play(2), QStringList{"Play Highlighted option is selected with no lines highlighted."});
  w.sheet().SelectLine(1, true);
  EXPECT_EQ(play(2), QStringList{"No chords to play in highlighted lines."});
  w.sheet().SelectLine(1, false);
  EXPECT_EQ(play(3), QStringList{"Play Current Line option is selected and current line is not a chord definition."});
  EXPECT_TRUE(device.messages.empty());
  EXPECT_EQ(device.openAttempts, 0);

  // A bad line: the parser's message, the line highlighted, nothing played.
  SetSong({kC, "* ok", "G, 3, 2, 0, 0, 0, Z", kG});
  EXPECT_EQ(play(0), QStringList{"Line 3    Not enough commas."});
  EXPECT_EQ(w.sheet().CurrentLine(), 2);
  EXPECT_EQ(w.sheet().SelLength(), w.sheet().Line(2).size());
  EXPECT_EQ(w.btnPlay->text(), "Play");
  EXPECT_TRUE(device.messages.empty());
}

TEST_F(SoundWindowTest, FromCursorAndHighlightedPlayTheirRanges) {
  TfrmMain& w = *window;
  SetSong({kG, "* here", kC, "", kG});
  w.sheet().SelectLine(1, false);
  w.rdoPlayOptions->setItemIndex(1);
  PlayToEnd();
  EXPECT_EQ(device.NoteOnKeys().size(), 5u + 6u);
  EXPECT_EQ(device.NoteOnKeys().front(), 64);  // C first

  device.Clear();
  w.rdoPlayOptions->setItemIndex(2);
  w.sheet().SetSelection(w.sheet().LineStart(2) + 1, 4);  // inside the C line
  const int start = w.sheet().SelStart(), length = w.sheet().SelLength();
  PlayToEnd();
  EXPECT_EQ(device.NoteOnKeys(), (std::vector<int>{64, 60, 55, 52, 48}));
  EXPECT_EQ(w.sheet().SelStart(), start);
  EXPECT_EQ(w.sheet().SelLength(), length);
}

TEST_F(SoundWindowTest, CurrentLineHidesLoopAndPlaysOnce) {
  TfrmMain& w = *window;
  SetSong({kC, kG});
  w.chkLoop->setChecked(true);
  w.rdoPlayOptions->item(3)->click();
  EXPECT_FALSE(w.chkLoop->isVisibleTo(&w));
  EXPECT_FALSE(w.chkTrace->isVisibleTo(&w));
  w.sheet().SelectLine(1, false);
  PlayToEnd();
  EXPECT_EQ(MessageTexts().size(), 1 + 6 + 6);
  EXPECT_EQ(device.NoteOnKeys().front(), 67);
  EXPECT_EQ(w.sheet().CurrentLine(), 1);
  EXPECT_EQ(w.sheet().SelLength(), 0);  // the caret back at the line's start
  EXPECT_EQ(w.sheet().SelStart(), w.sheet().LineStart(1));
  w.rdoPlayOptions->item(0)->click();
  EXPECT_TRUE(w.chkLoop->isVisibleTo(&w));
  EXPECT_TRUE(w.chkTrace->isVisibleTo(&w));
}

TEST_F(SoundWindowTest, LoopRepeatsUntilStopAndEveryNoteEnds) {
  TfrmMain& w = *window;
  SetSong({kC, kG});
  w.chkLoop->setChecked(true);
  Clock::time_point stopAt;
  After(150, [&] {
    stopAt = Clock::now();
    PressPlay(Qt::RightButton);  // any button
  });
  PlayToEnd();
  const auto returned = Clock::now();
  EXPECT_GT(device.NoteOnKeys().size(), 5u * 4);  // many passes in 150 ms
  ExpectBalanced(device);
  EXPECT_LT(Ms(device.messages.back().at - stopAt), 5.0);
  EXPECT_LT(Ms(returned - stopAt), 50.0);
  EXPECT_EQ(w.btnPlay->text(), "Play");
  EXPECT_EQ(device.closes, 1);
}

TEST_F(SoundWindowTest, StopEndsALongChordAtOnce) {
  TfrmMain& w = *window;
  SetSong({"A, x, 0, 2, 2, 2, 0, W", kC}, 1);  // four minutes
  After(60, [&] { w.action("Stop1")->trigger(); });
  const auto start = Clock::now();
  PlayToEnd();
  EXPECT_LT(Ms(Clock::now() - start), 1000.0);
  EXPECT_EQ(MessageTexts(), (QStringList{"C0 25", "90 64", "90 61", "90 57", "90 52", "90 45", "80 64", "80 61",
                                         "80 57", "80 52", "80 45"}));
  EXPECT_EQ(device.closes, 1);
}

TEST_F(SoundWindowTest, PlayingStateDisablesAndRestoresTheControls) {
  TfrmMain& w = *window;
  SetSong({"A, x, 0, 2, 2, 2, 0, W"}, 60);
  bool checked = false;
  After(30, [&] {
    checked = true;
    EXPECT_EQ(w.btnPlay->text(), "Stop");
    EXPECT_TRUE(w.btnPlay->isEnabled());
    EXPECT_FALSE(w.action("Start1")->isVisible());
    EXPECT_TRUE(w.action("Stop1")->isVisible());
    for (QWidget* c : {static_cast<QWidget*>(w.grpPlayControls), static_cast<QWidget*>(w.grpEditControls),
                       static_cast<QWidget*>(w.btnPrev), static_cast<QWidget*>(w.btnNext),
                       static_cast<QWidget*>(w.btnNewChord), static_cast<QWidget*>(w.durationButtons[0])})
      EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
    for (QMenu* m : {w.File1, w.Edit1, w.Instrument1, w.Tuning1, w.Help1}) EXPECT_FALSE(m->menuAction()->isEnabled());
    EXPECT_TRUE(w.PlayChords1->menuAction()->isEnabled());
    EXPECT_EQ(w.grpPlayControls->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    EXPECT_FALSE(w.FormCloseQuery());  // no closing while playing
    test::SaveShot(test::RenderAt(w, 1), "playing");
    w.player().PlayOrStop();
  });
  PlayToEnd();
  EXPECT_TRUE(checked);
  EXPECT_TRUE(w.grpPlayControls->isEnabled());
  EXPECT_TRUE(w.action("Start1")->isVisible());
  EXPECT_FALSE(w.action("Stop1")->isVisible());
  EXPECT_TRUE(w.File1->menuAction()->isEnabled());
  EXPECT_EQ(w.grpPlayControls->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(SoundWindowTest, FailedOpenPlaysSilentlyInTime) {
  TfrmMain& w = *window;
  device.openResult = MidiOpenResult::Allocated;
  SetSong({"A, x, 0, 2, 2, 2, 0, E", "A, x, 0, 2, 2, 2, 0, E"}, 120);  // 250 ms each
  const auto start = Clock::now();
  PlayToEnd();
  EXPECT_GE(Ms(Clock::now() - start), 499.0);
  EXPECT_TRUE(device.messages.empty());
  EXPECT_TRUE(dialogs->messages.empty());
  EXPECT_EQ(w.lblChordName->text(), "A");
}

TEST_F(SoundWindowTest, HugeSongPlaysAndStopsPromptly) {
  TfrmMain& w = *window;
  QStringList lines;
  for (int i = 0; i < 100000; ++i) lines << (i % 2 ? kC : kG);
  SetSong(lines);
  // Stop ends the playback within the call, its notes with it.
  double stopMs = -1;
  After(200, [&] {
    const auto stopAt = Clock::now();
    w.player().PlayOrStop();
    EXPECT_FALSE(w.player().IsSounding());
    stopMs = Ms(Clock::now() - stopAt);
  });
  PlayToEnd();
  EXPECT_GE(stopMs, 0.0);
  EXPECT_LT(stopMs, 100.0);
  EXPECT_GT(device.NoteOnKeys().size(), 0u);
  ExpectBalanced(device);
}

// A preview returns at once and ends by itself a quarter second later; a
// new preview or Play ends the one still sounding first, so no note is left
// on and the port is handed back each time.
TEST_F(SoundWindowTest, PreviewSoundsForAQuarterSecondWhileTheWindowGoesOn) {
  TfrmMain& w = *window;
  bool handled = false;
  After(0, [&] { handled = true; });
  w.player().PreviewChord({64, SilentPitch, SilentPitch, SilentPitch, SilentPitch, 40});
  EXPECT_EQ(MessageTexts(), (QStringList{"C0 25", "90 64", "90 40"}));
  EXPECT_TRUE(w.player().IsSounding());
  RunUntilQuiet();
  EXPECT_TRUE(handled);
  EXPECT_EQ(MessageTexts(), (QStringList{"C0 25", "90 64", "90 40", "80 64", "80 40"}));
  const double held = Ms(device.messages[3].at - device.messages[2].at);
  EXPECT_GE(held, PreviewMs - 0.5);
  EXPECT_LT(held, PreviewMs + 30);
  EXPECT_EQ(device.closes, 1);

  device.Clear();
  w.player().PreviewChord({64, SilentPitch, SilentPitch, SilentPitch, SilentPitch, SilentPitch});
  w.player().PreviewChord({SilentPitch, 60, SilentPitch, SilentPitch, SilentPitch, SilentPitch});
  SetSong({kG});
  w.player().PlayOrStop();
  EXPECT_EQ(MessageTexts().mid(0, 7), (QStringList{"C0 25", "90 64", "80 64", "C0 25", "90 60", "80 60", "C0 25"}));
  RunUntilQuiet();
  ExpectBalanced(device);
  EXPECT_EQ(device.closes, 1 + 3);
  EXPECT_FALSE(device.IsOpen());
}

TEST_F(SoundWindowTest, SteppingSoundsChordsAndMovesTheSelection) {
  TfrmMain& w = *window;
  SetSong({"* verse", kC, "", kG, "* end", ""});
  w.sheet().SelectLine(0, false);
  w.player().StepForward();
  // The C below the comment sounds, selected while it sounds ...
  EXPECT_EQ(device.NoteOnKeys().front(), 64);
  EXPECT_EQ(w.sheet().CurrentLine(), 1);
  EXPECT_EQ(w.sheet().SelLength(), w.sheet().Line(1).size());
  RunUntilQuiet();
  EXPECT_EQ(w.sheet().CurrentLine(), 3);  // ... then the G is selected next
  EXPECT_EQ(w.sheet().SelLength(), w.sheet().Line(3).size());
  EXPECT_EQ(w.lblChordName->text(), "G");
  device.Clear();
  w.player().StepForward();  // the last chord line: played, the selection stays
  RunUntilQuiet();
  EXPECT_EQ(device.NoteOnKeys().front(), 67);
  EXPECT_EQ(w.sheet().CurrentLine(), 3);
  device.Clear();
  w.player().StepBack();
  RunUntilQuiet();
  EXPECT_EQ(device.NoteOnKeys().front(), 67);
  EXPECT_EQ(w.sheet().CurrentLine(), 1);
  // A step pressed while the last still sounds goes on from where that one
  // would have left the selection.
  device.Clear();
  w.sheet().SelectLine(0, false);
  w.player().StepForward();
  w.player().StepForward();
  RunUntilQuiet();
  EXPECT_EQ(device.NoteOnKeys(), (std::vector<int>{64, 60, 55, 52, 48, 67, 59, 55, 50, 47, 43}));
  EXPECT_EQ(w.sheet().CurrentLine(), 3);
  ExpectBalanced(device);
  w.sheet().SelectLine(1, false);
  w.player().StepBack();
  RunUntilQuiet();
  EXPECT_EQ(w.sheet().CurrentLine(), 1);

  w.sheet().SelectLine(5, false);
  dialogs->messages.clear();
  w.player().StepForward();
  EXPECT_EQ(dialogs->texts(), QStringList{"Can't step forward from this line"});
  w.sheet().SelectLine(0, false);
  w.player().StepBack();
  EXPECT_EQ(dialogs->texts(), (QStringList{"Can't step forward from this line", "Can't step back from this line"}));

  // The buttons step too.
  device.Clear();
  w.sheet().SelectLine(1, false);
  QTest::mouseClick(w.btnNext, Qt::LeftButton);
  EXPECT_EQ(device.NoteOnKeys().front(), 64);
  RunUntilQuiet();
}

TEST_F(SoundWindowTest, InstrumentMenu) {
  TfrmMain& w = *window;
  const QList<QAction*> items = w.Instrument1->actions();
  ASSERT_EQ(items.size(), 10);
  const char* names[] = {"AcousticNylonStringGuitar1",
                         "AcousticSteelStringGuitar1",
                         "JazzElectric1",
                         "CleanElectric1",
                         "MutedElectric1",
                         "OverdrivenElectric1",
                         "DistortionElectric1",
                         "GuitarHarmonics1",
                         "N3",
                         "MIDIPatch1"};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(items[i]->objectName(), names[i]);
  EXPECT_TRUE(items[8]->isSeparator());
  EXPECT_EQ(items[0]->text(), "&Acoustic Nylon String Guitar");
  EXPECT_EQ(items[7]->statusTip(), "Guitar sound.");
  EXPECT_EQ(items[9]->text(), "  1 Acoustic Grand");
  EXPECT_EQ(items[9]->statusTip(), "User selected sound. Set using File/Settings.");
  EXPECT_TRUE(w.action("AcousticSteelStringGuitar1")->isChecked());

  w.song().SetModified(false);
  w.action("GuitarHarmonics1")->trigger();
  EXPECT_EQ(w.song().Patch(), 31);
  EXPECT_TRUE(w.song().Modified());
  EXPECT_TRUE(w.action("GuitarHarmonics1")->isChecked());
  EXPECT_FALSE(w.action("AcousticSteelStringGuitar1")->isChecked());
  EXPECT_EQ(device.openAttempts, 0);  // nothing sent at the click

  w.action("MIDIPatch1")->trigger();
  EXPECT_EQ(w.song().Patch(), 0);
  SetSong({kC});
  PlayToEnd();
  EXPECT_EQ(MessageTexts().front(), "C0 0");

  // A new song goes back to the steel string guitar.
  w.songFiles().ResetSongState();
  EXPECT_EQ(w.song().Patch(), 25);
  EXPECT_TRUE(w.action("AcousticSteelStringGuitar1")->isChecked());
  w.instrumentMenu().SetUserItem("  41 Violin", 41);
  w.action("MIDIPatch1")->trigger();
  EXPECT_EQ(w.song().Patch(), 40);
}

TEST_F(SoundWindowTest, ExternalMidiModeOpensOnceAndReportsAFailureOnce) {
  TfrmMain& w = RestartInExternalMidiMode();
  device.openResult = MidiOpenResult::Allocated;
  w.FormActivate();
  EXPECT_TRUE(dialogs->executedWindows.contains("TfrmNoSoundMessage"));
  EXPECT_EQ(w.frmNoSoundMessage->findChild<QLabel*>("lblOpenError")->text(), "The MIDI device is already in use.");
  EXPECT_EQ(device.openAttempts, 1);
  dialogs->executedWindows.clear();
  SetSong({kC});
  PlayToEnd();
  EXPECT_TRUE(dialogs->executedWindows.isEmpty());
  EXPECT_TRUE(dialogs->messages.empty());
  EXPECT_EQ(device.openAttempts, 1);
  EXPECT_TRUE(device.messages.empty());
}

TEST_F(SoundWindowTest, ExternalMidiModeKeepsThePortOpen) {
  TfrmMain& w = RestartInExternalMidiMode();
  w.FormActivate();
  EXPECT_FALSE(dialogs->executedWindows.contains("TfrmNoSoundMessage"));
  EXPECT_EQ(MessageTexts(), QStringList{"C0 25"});
  SetSong({kC});
  PlayToEnd();
  w.player().PreviewChord({64, SilentPitch, SilentPitch, SilentPitch, SilentPitch, SilentPitch});
  RunUntilQuiet();
  EXPECT_EQ(device.opens, 1);
  EXPECT_EQ(device.closes, 0);
  EXPECT_TRUE(w.player().Port().PortOpen());
  w.player().CloseMidiPort();
  EXPECT_EQ(device.closes, 1);
}

TEST_F(SoundWindowTest, MenuShortcutsRestWhilePlaying) {
  TfrmMain& w = *window;
  ShowAndActivate();
  QApplication::clipboard()->setText("pasted ");
  SetSong({"A, x, 0, 2, 2, 2, 0, W"}, 60);
  const QString before = w.RichEdit1->toPlainText();
  bool pressed = false;
  After(30, [&] {
    pressed = true;
    QTest::keyClick(&w, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.RichEdit1->toPlainText(), before);
    QTest::keyClick(&w, Qt::Key_F2);  // the Play menu still works: Stop
  });
  const auto start = Clock::now();
  PlayToEnd();
  EXPECT_TRUE(pressed);
  EXPECT_LT(Ms(Clock::now() - start), 1000.0);
  EXPECT_EQ(w.RichEdit1->toPlainText(), before);
  // Idle again, the shortcut works.
  QTest::keyClick(&w, Qt::Key_V, Qt::ControlModifier);
  EXPECT_NE(w.RichEdit1->toPlainText(), before);
}

TEST_F(SoundWindowTest, DebugHighlightsTheLinePlaying) {
  TfrmMain& w = *window;
  SetSong({"A, x, 0, 2, 2, 2, 0, Q", "* between", "D, x, x, 0, 2, 3, 2, Q"}, 250);  // 240 ms each
  w.chkTrace->setChecked(true);
  std::vector<int> seen;
  After(100, [&] { seen.push_back(w.sheet().SelLength() > 0 ? w.sheet().CurrentLine() : -1); });
  After(340, [&] { seen.push_back(w.sheet().SelLength() > 0 ? w.sheet().CurrentLine() : -1); });
  PlayToEnd();
  EXPECT_EQ(seen, (std::vector<int>{0, 2}));
  EXPECT_EQ(w.lblChordName->text(), "D");  // the neck and label followed the music
}

// Nothing waits inside the player: a modal dialog opened during a playback
// lets it go on and Stop works from inside it; a termination signal closes
// the window at once, the clean way; and the window may go at any moment.
// Every note that began ends.
TEST_F(SoundWindowTest, DialogsSignalsAndClosingDuringPlayback) {
  TfrmMain& w = *window;
  SetSong({kC, kG});
  w.chkLoop->setChecked(true);
  std::size_t beforeDialog = 0, afterDialog = 0;
  bool playingInDialog = false;
  After(40, [&] {
    QDialog dialog(&w);
    QTimer::singleShot(100, &dialog, [&] {
      playingInDialog = w.player().IsPlaying();
      w.player().PlayOrStop();
      dialog.accept();
    });
    beforeDialog = device.messages.size();
    dialog.exec();
    afterDialog = device.messages.size();
  });
  PlayToEnd();
  EXPECT_TRUE(playingInDialog);
  EXPECT_GT(afterDialog, beforeDialog + 4 * 11);  // chords went on under the dialog
  ExpectBalanced(device);
  EXPECT_EQ(w.btnPlay->text(), "Play");
  EXPECT_TRUE(w.grpPlayControls->isEnabled());

  device.Clear();
  {
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &w, [&w] { w.CloseWithoutQuestions(); });
    w.song().SetModified(true);
    After(40, [] { raise(SIGTERM); });
    PlayToEnd();
  }
  ExpectBalanced(device);
  EXPECT_GT(device.NoteOnKeys().size(), 0u);
  EXPECT_FALSE(device.IsOpen());
  EXPECT_TRUE(QFile::exists(settingsPath()));  // the exit ran to its end

  TfrmMain& again = Start();
  SetSong({kC, kG});
  again.chkLoop->setChecked(true);
  device.Clear();
  QTimer::singleShot(40, [this] { window.reset(); });
  again.player().PlayOrStop();
  ASSERT_TRUE(QTest::qWaitFor([this] { return !window; }, 2000));
  EXPECT_GT(device.NoteOnKeys().size(), 0u);
  ExpectBalanced(device);
  EXPECT_FALSE(device.IsOpen());
}
