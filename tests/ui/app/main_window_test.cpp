#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTimer>

#include "support/main_window_fixture.h"
#include "support/sound_window_fixture.h"
#include "support/test_files.h"
#include "ui/app/about_box.h"
#include "ui/app/help_window.h"
#include "ui/guitar/neck_view.h"

using namespace strumbly;
using strumbly::test::kCMajor;
using strumbly::test::MainWindowTest;

namespace {}

TEST_F(MainWindowTest, StartsWithAnUntitledSong) {
  TfrmMain& w = *window;
  EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Untitled.sly[*] \u2014 Strumbly"));
  EXPECT_FALSE(w.isWindowModified());
  EXPECT_EQ(w.lblFilename->text(), "Untitled.sly");
  EXPECT_EQ(Q(w.song().FileName()), "Untitled.sly");
  EXPECT_EQ(w.trackbarTempo->value(), 120);
  EXPECT_EQ(w.trackbarTempo->minimum(), 1);
  EXPECT_EQ(w.trackbarTempo->maximum(), 500);
  EXPECT_EQ(w.spnTempo->value(), 120);
  EXPECT_EQ(w.song().Patch(), 25);
  EXPECT_EQ(Q(w.song().CurrentDuration()), " Q");
  EXPECT_FALSE(w.song().Modified());
  EXPECT_EQ(w.lblChordName->text(), "No Chord  -  Blank Line");
  EXPECT_EQ(w.StatusPanel(2), "Line 1");
  EXPECT_TRUE(w.StatusHintsEnabled());
  EXPECT_FALSE(w.lblChordName->isVisibleTo(&w));
  for (const char* name : {"TfrmAbout", "TfrmTab", "TfrmOptions", "TfrmGetTabInfo", "TfrmWriteMidiFile",
                           "TfrmNoSoundMessage", "Tfrmfind", "TfrmNewUserMessage"})
    EXPECT_NE(w.findChild<QWidget*>(name), nullptr) << name;
  EXPECT_EQ(w.findChild<QWidget*>("TfrmTab")->windowTitle(), "Tabulature");
}

TEST_F(MainWindowTest, CurrentLineShowsNameErrorOrKind) {
  TfrmMain& w = *window;
  SetText(QString("Am, x, 0, 2, 2, 1, 0, Q\nA, 0, 0, 0,\n* comment\n") + kCMajor);
  EXPECT_TRUE(w.song().Modified());
  w.sheet().SelectLine(1, false);
  Key(Qt::Key_End);
  EXPECT_EQ(w.lblChordName->text(), "(Error in line.)");
  EXPECT_EQ(w.StatusPanel(0), "   ***Error***   Line 2    Not enough commas.");
  EXPECT_EQ(w.sheet().Line(1), "A, 0, 0, 0,");  // the text stays as typed
  EXPECT_EQ(w.StatusPanel(2), "Line 2");

  Key(Qt::Key_Down);
  EXPECT_EQ(w.lblChordName->text(), "No Chord  -  Comment Line");
  EXPECT_EQ(w.StatusPanel(0), "   ***Error***   Line 2    Not enough commas.");  // kept on a comment
  EXPECT_EQ(w.edtNameTag, 0);

  Key(Qt::Key_Down);
  EXPECT_EQ(w.lblChordName->text(), "C");
  EXPECT_EQ(w.edtName->text(), "C");
  EXPECT_EQ(w.edtNameTag, 3);
  EXPECT_EQ(w.StatusPanel(0), "");
  EXPECT_TRUE(dialogs->messages.empty());  // moving never shows a message box
}

TEST_F(MainWindowTest, CursorPlaysShowsErrorsInABoxOnlyForUpAndDown) {
  TfrmMain& w = *window;
  w.settings().CursorPlays = true;
  SetText(QString(kCMajor) + "\nA, 0, 0, 0, 0, 0, 0, QQ\n");
  w.sheet().SelectLine(0, false);
  Key(Qt::Key_Down);
  EXPECT_EQ(w.StatusPanel(0), "   ***Error***   Line 2    \"QQ\" invalid. (W)hole,(H)alf,Q,E,S,T,F");
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].kind, MessageKind::Error);
  EXPECT_EQ(dialogs->messages[0].text, "Line 2    \"QQ\" invalid. (W)hole,(H)alf,Q,E,S,T,F");
  Key(Qt::Key_End);
  EXPECT_EQ(dialogs->messages.size(), 1u);
}

TEST_F(MainWindowTest, PasteInsertsBeforeTheSelection) {
  TfrmMain& w = *window;
  SetText("one two");
  QApplication::clipboard()->setText("X");
  w.sheet().SetSelection(4, 3);
  w.action("Paste1")->trigger();
  EXPECT_EQ(w.RichEdit1->toPlainText(), "one Xtwo");
}

TEST_F(MainWindowTest, EditMenuEnablingAndCommands) {
  TfrmMain& w = *window;
  QApplication::clipboard()->clear();
  SetText("");
  w.RichEdit1->document()->clearUndoRedoStacks();
  emit w.Edit1->aboutToShow();
  EXPECT_FALSE(w.action("Undo1")->isEnabled());
  EXPECT_FALSE(w.action("Copy1")->isEnabled());
  EXPECT_FALSE(w.action("Cut1")->isEnabled());
  EXPECT_FALSE(w.action("Delete1")->isEnabled());
  EXPECT_FALSE(w.action("Paste1")->isEnabled());
  EXPECT_FALSE(w.action("Copy2")->isEnabled());

  Type(kCMajor);
  w.sheet().SelectLine(0, true);
  emit w.Edit1->aboutToShow();
  EXPECT_TRUE(w.action("Undo1")->isEnabled());
  EXPECT_TRUE(w.action("Copy1")->isEnabled());
  EXPECT_TRUE(w.action("Cut2")->isEnabled());

  w.action("Cut1")->trigger();
  EXPECT_EQ(w.RichEdit1->toPlainText(), "");
  EXPECT_EQ(QApplication::clipboard()->text(), kCMajor);
  EXPECT_EQ(w.lblChordName->text(), "No Chord  -  Blank Line");
  emit w.mnuEditorPopUp->aboutToShow();
  EXPECT_TRUE(w.action("Paste2")->isEnabled());

  w.action("Undo1")->trigger();
  EXPECT_EQ(w.RichEdit1->toPlainText(), kCMajor);
  EXPECT_EQ(w.lblChordName->text(), "C");

  w.action("SelectAll1")->trigger();
  QApplication::clipboard()->setText("kept");
  w.action("Delete1")->trigger();
  EXPECT_EQ(w.RichEdit1->toPlainText(), "");
  EXPECT_EQ(QApplication::clipboard()->text(), "kept");

  EXPECT_EQ(w.action("Undo1")->shortcut(), QKeySequence("Ctrl+Z"));
  EXPECT_EQ(w.action("Delete1")->shortcut(), QKeySequence("Ctrl+Del"));
  // The desktop's keys: Ctrl+A selects all, Save As is Ctrl+Shift+S, Redo
  // has both of its keys and is enabled only when there is something to redo.
  EXPECT_EQ(w.action("SaveAs1")->shortcut(), QKeySequence("Ctrl+Shift+S"));
  EXPECT_EQ(w.action("SelectAll1")->shortcut(), QKeySequence("Ctrl+A"));
  EXPECT_EQ(w.action("Redo1")->shortcuts(),
            (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
  EXPECT_EQ(w.action("Exit1")->shortcut(), QKeySequence("Ctrl+Q"));
  SetText("C, x, 3, 2, 0, 1, 0, Q");
  QTextCursor end = w.RichEdit1->textCursor();
  end.movePosition(QTextCursor::End);
  end.insertText("x");
  w.action("SelectAll1")->trigger();
  EXPECT_EQ(w.RichEdit1->textCursor().selectedText(), "C, x, 3, 2, 0, 1, 0, Qx");
  EXPECT_TRUE(dialogs->messages.empty());  // no Save As box
  EXPECT_FALSE(w.action("Redo1")->isEnabled());
  w.action("Undo1")->trigger();
  EXPECT_EQ(w.RichEdit1->toPlainText(), "C, x, 3, 2, 0, 1, 0, Q");
  EXPECT_TRUE(w.action("Redo1")->isEnabled());
  EXPECT_TRUE(w.action("Redo2")->isEnabled());
  w.action("Redo1")->trigger();
  EXPECT_EQ(w.RichEdit1->toPlainText(), "C, x, 3, 2, 0, 1, 0, Qx");
  EXPECT_EQ(w.action("Cut1")->statusTip(), "Remove selected text to Clipboard.");
}

// Hints are the status bar's passing message: the current line's error in
// panel 0 stays, and shows again when the hint ends.
TEST_F(MainWindowTest, HintsPassOverTheLineErrorWithoutWipingIt) {
  TfrmMain& w = *window;
  SetText("C, x, 3, 2, 0, 1, Q");
  w.ShowLine(0);
  const QString error = w.StatusPanel(0);
  ASSERT_TRUE(error.contains("Not enough commas.")) << error.toStdString();
  EXPECT_TRUE(w.statusPanels[0]->toolTip().contains("Not enough commas."));
  QStatusTipEvent tip("Playback tempo.");
  QApplication::sendEvent(&w, &tip);
  EXPECT_EQ(w.statusBar()->currentMessage(), "Playback tempo.");
  EXPECT_EQ(w.StatusPanel(0), error);
  EXPECT_EQ(w.Label2->statusTip(), "Playback tempo.");
  QStatusTipEvent leave("");
  QApplication::sendEvent(&w, &leave);
  EXPECT_EQ(w.statusBar()->currentMessage(), "");
  w.SetStatusHintsEnabled(false);
  QStatusTipEvent other("Chord definition editor.");
  QApplication::sendEvent(&w, &other);
  EXPECT_EQ(w.statusBar()->currentMessage(), "");
  EXPECT_EQ(w.RichEdit1->toolTip(), "Chord definition editor.");
}

// Every control, the status bar too, lies inside the window and clear of the
// others at the smallest size, which fits a small screen.
TEST_F(MainWindowTest, SmallestWindowFitsASmallScreenWithEveryControlInside) {
  TfrmMain& w = *window;
  auto* scroller = w.findChild<QScrollArea*>("clientScroller");
  ASSERT_NE(scroller, nullptr);
  // Smaller than the controls need, the window still goes: they scroll.
  w.resize(480, 360);
  w.show();
  QApplication::processEvents();
  EXPECT_EQ(w.size(), QSize(480, 360));
  EXPECT_TRUE(scroller->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(scroller->verticalScrollBar()->isVisible());
  const QSize least = scroller->widget()->minimumSizeHint() +
                      QSize(0, w.menuBar()->sizeHint().height() + w.statusBar()->sizeHint().height());
  EXPECT_LE(least.width(), 800);
  EXPECT_LE(least.height(), 560);
  w.resize(least);
  QApplication::processEvents();
  EXPECT_FALSE(scroller->horizontalScrollBar()->isVisible());
  EXPECT_FALSE(scroller->verticalScrollBar()->isVisible());
  const QRect inside = w.rect();
  std::vector<QWidget*> controls = {w.lblFilename,     w.neckView,      w.btnPrev,         w.btnPlay,
                                    w.btnNext,         w.btnNewChord,   w.grpEditControls, w.RichEdit1,
                                    w.grpPlayControls, w.trackbarTempo, w.spnTempo,        w.statusBar()};
  for (QWidget* c : controls) {
    const QRect r(c->mapTo(&w, QPoint(0, 0)), c->size());
    EXPECT_TRUE(c->isVisible()) << c->objectName().toStdString();
    EXPECT_TRUE(inside.contains(r)) << c->objectName().toStdString();
  }
  for (std::size_t i = 0; i < 9; ++i)
    for (std::size_t j = i + 1; j < 9; ++j) {
      if (controls[i]->parentWidget() != controls[j]->parentWidget()) continue;
      EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
          << controls[i]->objectName().toStdString() << " " << controls[j]->objectName().toStdString();
    }
  // A wider window gives the room to the editor; the controls keep their size.
  const QSize editControls = w.grpEditControls->size();
  const int editorWidth = w.RichEdit1->width();
  w.resize(least + QSize(300, 200));
  QApplication::processEvents();
  EXPECT_EQ(w.grpEditControls->size(), editControls);
  EXPECT_EQ(w.RichEdit1->width(), editorWidth + 300);
}

TEST_F(MainWindowTest, TempoSpinBoxAndSliderMoveTogether) {
  TfrmMain& w = *window;
  w.spnTempo->setValue(250);
  EXPECT_EQ(w.trackbarTempo->value(), 250);
  w.trackbarTempo->setFocus();
  QTest::keyClick(w.trackbarTempo, Qt::Key_Right);
  EXPECT_EQ(w.spnTempo->value(), 251);
  QTest::keyClick(w.trackbarTempo, Qt::Key_PageDown);
  EXPECT_EQ(w.spnTempo->value(), 241);
  EXPECT_EQ(w.spnTempo->minimum(), 1);
  EXPECT_EQ(w.spnTempo->maximum(), 500);
}

TEST_F(MainWindowTest, AboutBoxHoldsTheHintsAndShowsTheVersion) {
  TfrmMain& w = *window;
  bool hintsDuring = true;
  dialogs->onExec = [&](QDialog& d) {
    hintsDuring = w.StatusHintsEnabled();
    EXPECT_EQ(static_cast<TfrmAbout&>(d).lblVersion->text(), "Version 1.0");
  };
  w.action("About1")->trigger();
  EXPECT_EQ(dialogs->executedWindows, QStringList{"TfrmAbout"});
  EXPECT_FALSE(hintsDuring);
  EXPECT_TRUE(w.StatusHintsEnabled());
}

TEST_F(MainWindowTest, HelpOpensOurPages) {
  TfrmMain& w = *window;
  w.action("Contents1")->trigger();
  ASSERT_NE(w.helpWindow, nullptr);
  EXPECT_EQ(w.helpWindow->currentPage(), "index.html");
  EXPECT_TRUE(w.helpWindow->browser()->toPlainText().contains("chord"));
  w.action("Topics1")->trigger();
  EXPECT_EQ(w.helpWindow->currentPage(), "topics.html");
  EXPECT_EQ(w.action("Contents1")->shortcut(), QKeySequence("F1"));
}

TEST_F(MainWindowTest, PrintUsesTheFileNameAsJobTitle) {
  TfrmMain& w = *window;
  SetText(kCMajor);
  w.action("Print1")->trigger();
  EXPECT_EQ(dialogs->printDialogs, 1);
  EXPECT_EQ(dialogs->printedDocName, "Untitled.sly");
  dialogs->printAnswer = true;
  dialogs->printToFile = dir.filePath("out.pdf");
  w.action("Print1")->trigger();
  QFile pdf(dialogs->printToFile);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
  pdf.close();
  EXPECT_TRUE(dialogs->texts().isEmpty());
  // A PDF that cannot be written is reported, and the old one stays whole.
  const std::string old = test::ReadFileBytes(dialogs->printToFile);
  ASSERT_TRUE(pdf.setPermissions(QFileDevice::ReadOwner));
  w.action("Print1")->trigger();
  EXPECT_EQ(dialogs->texts(), QStringList{"Cannot create file " + dialogs->printToFile + ": File access denied"});
  EXPECT_EQ(test::ReadFileBytes(dialogs->printToFile), old);
}

TEST_F(MainWindowTest, FirstRunWelcomesOnceAndSettingsSurvive) {
  TfrmMain& w = *window;
  EXPECT_TRUE(w.settings().FirstRun);
  dialogs->execAnswers.push_back(1);  // Yes
  w.FormActivate();
  w.FormActivate();  // later activations do nothing
  EXPECT_EQ(dialogs->executedWindows, QStringList{"TfrmNewUserMessage"});
  ASSERT_NE(w.helpWindow, nullptr);
  EXPECT_EQ(w.helpWindow->currentPage(), "getting-started.html");
  w.settings().ShowChordName = true;
  w.settings().LastDir = "/music";
  ASSERT_TRUE(w.close());

  TfrmMain& again = Start();
  EXPECT_FALSE(again.settings().FirstRun);
  EXPECT_TRUE(again.settings().ShowChordName);
  EXPECT_TRUE(again.lblChordName->isVisibleTo(&again));
  EXPECT_EQ(again.settings().LastDir, "/music");
  again.FormActivate();
  EXPECT_EQ(dialogs->executedWindows.size(), 1);
}

TEST_F(MainWindowTest, CloseIsRefusedWhilePlaying) {
  TfrmMain& w = *window;
  SetText(kCMajor);
  w.chkLoop->setChecked(true);
  bool closed = true;
  QTimer::singleShot(30, &w, [&] {
    EXPECT_TRUE(w.IsPlaying());
    closed = w.close();
    w.player().PlayOrStop();  // Stop
  });
  test::PlayToEnd(w.player());  // plays until the timer stops it
  EXPECT_FALSE(closed);
  EXPECT_TRUE(dialogs->messages.empty());
  EXPECT_FALSE(QFile::exists(settingsPath()));
  w.song().SetModified(false);
  EXPECT_TRUE(w.close());
  QSettings stored(settingsPath(), QSettings::IniFormat);
  EXPECT_EQ(stored.value("Options/Prompts").toString(), "1");
  EXPECT_EQ(stored.value("Midi/Patch").toString(), "25");
  EXPECT_EQ(stored.value("Options/MarkerColor").toString(), "16776960");
}

TEST_F(MainWindowTest, StoredNamesMatchWhateverTheirCase) {
  window->song().SetModified(false);
  window->close();
  window.reset();
  QFile::remove(settingsPath());
  {
    QSettings stored(settingsPath(), QSettings::IniFormat);
    stored.setValue("Options/lastdir", "/old");
    stored.setValue("options/SHOWFRETNUMBERS", "1");
    stored.setValue("Midi/channel", "0x0A");
  }
  TfrmMain& w = Start();
  EXPECT_EQ(w.settings().LastDir, "/old");
  EXPECT_EQ(w.settings().Channel, 10);
  w.song().SetModified(false);
  ASSERT_TRUE(w.close());
  QSettings stored(settingsPath(), QSettings::IniFormat);
  EXPECT_EQ(stored.value("Options/LastDir").toString(), "/old");
  EXPECT_FALSE(stored.contains("Options/lastdir"));  // one value, written under its own name
}

TEST_F(MainWindowTest, UnwritableSettingsAreReportedAndTheExitCompletes) {
  TfrmMain& w = *window;
  QFile::remove(settingsPath());
  ASSERT_TRUE(QDir().mkpath(settingsPath()));  // a folder where the file should be
  w.song().SetModified(false);
  EXPECT_TRUE(w.close());
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].kind, MessageKind::Error);
  EXPECT_TRUE(dialogs->messages[0].text.startsWith("Failed to set data for '"))
      << dialogs->messages[0].text.toStdString();
}

TEST_F(MainWindowTest, UnreadableSettingsAreReportedAndTheDefaultsUsed) {
  window->song().SetModified(false);
  window->close();
  window.reset();
  QFile::remove(settingsPath());
  ASSERT_TRUE(QDir().mkpath(settingsPath()));  // not a file that can be read
  TfrmMain& w = Start();
  QApplication::processEvents();  // the report waits for the event loop
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].text, "Cannot open file " + settingsPath());
  EXPECT_TRUE(w.settings().Prompts);
  EXPECT_EQ(w.settings().MarkerColor, 16776960);
  EXPECT_EQ(w.lblFilename->text(), "Untitled.sly");  // start-up went on
}

TEST_F(MainWindowTest, TempoChangesMarkTheSong) {
  TfrmMain& w = *window;
  w.trackbarTempo->setValue(96);
  EXPECT_TRUE(w.isWindowModified());  // the title bar marks the song
  EXPECT_EQ(w.spnTempo->value(), 96);
  EXPECT_TRUE(w.song().Modified());
  w.trackbarTempo->setValue(900);
  EXPECT_EQ(w.spnTempo->value(), 500);
}
