// The Special menu's tablature and MIDI file commands, answered by scripted dialogs.
#include "ui/tab/tab_commands.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "core/guitar/capo.h"
#include "core/sound/midi_file.h"
#include "core/tab/ascii_tab.h"
#include "support/scripted_dialogs.h"
#include "ui/tab/tab_info_window.h"
#include "ui/tab/tab_paint_box.h"
#include "ui/tab/tab_window.h"

namespace strumbly {
namespace {

const std::string C = "C, x, 3, 2, 0, 1, 0, Q";
const std::string G = "G, 3, 2, 0, 0, 0, 3, Q";

class TabCommandsTest : public ::testing::Test {
 protected:
  test::DialogsScope dialogs;
  Settings settings;
  std::vector<int> selected;
  std::vector<bool> hints;
  TabCommands commands{
      nullptr, settings,
      TabCommandHooks{[this](int line) { selected.push_back(line); }, [this](bool on) { hints.push_back(on); },
                      [this](const std::string& d) { settings.LastDir = d; }}};
  QTemporaryDir dir;

  TabSongInput Song(std::vector<std::string> lines, std::string fileName = "Untitled.sly") {
    TabSongInput song;
    song.lines = std::move(lines);
    song.fileName = std::move(fileName);
    song.tuningText = "Standard Tuning - E A D G B E";
    return song;
  }
  QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

TEST_F(TabCommandsTest, ABadLineStopsEveryCommand) {
  const TabSongInput song = Song({C, "G, 3, 2, 0, 0, 0, 3, Q, x"});
  commands.ShowTab(song);
  commands.ShowAsciiTab(song);
  commands.SaveAsMidiFile(song);
  commands.SaveAsAudioFile(song);
  EXPECT_EQ(dialogs->texts(), (QStringList{"Line 2    Too many commas.", "Fix errors before viewing tab.",
                                           "Line 2    Too many commas.", "Fix errors before viewing tab.",
                                           "Line 2    Too many commas.", "Fix errors before creating a midi file.",
                                           "Line 2    Too many commas.", "Fix errors before creating an audio file."}));
  for (const auto& m : dialogs->messages) EXPECT_EQ(m.kind, MessageKind::Error);
  EXPECT_EQ(selected, (std::vector<int>{1, 1, 1, 1}));
  EXPECT_TRUE(dialogs->executedWindows.isEmpty());
  EXPECT_TRUE(dialogs->fileDialogs.empty());
  EXPECT_TRUE(hints.empty());
}

TEST_F(TabCommandsTest, ALeadingBlankMakesATitleLineBad) {
  commands.ShowTab(Song({" * Title: Blues", C}));
  ASSERT_EQ(dialogs->messages.size(), 2u);
  EXPECT_TRUE(dialogs->messages[0].text.contains("Not enough commas."));
}

TEST_F(TabCommandsTest, ASongWithoutChords) {
  const TabSongInput song = Song({"* Title: Words", "", "* only"});
  commands.ShowTab(song);
  commands.ShowAsciiTab(song);
  commands.SaveAsMidiFile(song);
  commands.SaveAsAudioFile(song);
  EXPECT_EQ(dialogs->texts(), (QStringList{"Can't create tab. No chords defined in editor.",
                                           "Can't create tab. No chords defined in editor.",
                                           "Can't create midi file. No chords defined in editor.",
                                           "Can't create audio file. No chords defined in editor."}));
  EXPECT_TRUE(dialogs->executedWindows.isEmpty());
}

TEST_F(TabCommandsTest, PromptPreloadsTitlesAndItsOkTitlesAreDrawn) {
  settings.TabPrompt = true;
  QString shownTitle, shownSub;
  std::string drawnTitle;
  dialogs->onExec = [&](QDialog& d) {
    if (auto* prompt = qobject_cast<TfrmGetTabInfo*>(&d)) {
      shownTitle = prompt->edtTitle->text();
      shownSub = prompt->edtBy->text();
      prompt->edtTitle->clear();
    } else if (auto* tab = qobject_cast<TfrmTab*>(&d)) {
      drawnTitle = tab->drawing().title;
      EXPECT_EQ(tab->windowTitle(), "Tabulature");
      EXPECT_TRUE(tab->PaintBox1->isVisible());
      EXPECT_TRUE(tab->btnPrint->isVisible());
      EXPECT_FALSE(tab->btnSave->isVisible());
      EXPECT_FALSE(tab->Memo1->isVisible());
    }
  };
  commands.ShowTab(Song({"* Title: Blues", C, G}, "/songs/Slow.sly"));
  EXPECT_EQ(dialogs->executedWindows, (QStringList{"TfrmGetTabInfo", "TfrmTab"}));
  EXPECT_EQ(shownTitle, "Blues");
  EXPECT_EQ(shownSub, "");
  // An emptied title stays empty on the drawing...
  EXPECT_EQ(drawnTitle, "");
  EXPECT_EQ(hints, (std::vector<bool>{false, true}));

  // ... while the text names the song.
  std::vector<std::string> text;
  dialogs->onExec = [&](QDialog& d) {
    if (auto* prompt = qobject_cast<TfrmGetTabInfo*>(&d)) prompt->edtTitle->clear();
    if (auto* tab = qobject_cast<TfrmTab*>(&d)) text = tab->AsciiLines();
  };
  commands.ShowAsciiTab(Song({"* Title: Blues", C, G}, "/songs/Slow.sly"));
  ASSERT_GT(text.size(), 4u);
  EXPECT_EQ(text[3], std::string(38, ' ') + "Slow");
}

TEST_F(TabCommandsTest, PromptWithoutTitleLineOffersTheFileName) {
  settings.TabPrompt = true;
  QString shownTitle;
  dialogs->onExec = [&](QDialog& d) {
    if (auto* prompt = qobject_cast<TfrmGetTabInfo*>(&d)) shownTitle = prompt->edtTitle->text();
  };
  dialogs->execAnswers = {QDialog::Rejected};
  commands.ShowTab(Song({"* Sub: x", C}));
  EXPECT_EQ(shownTitle, "Untitled");
  // Cancelled: no tablature window, and hints come back on.
  EXPECT_EQ(dialogs->executedWindows, (QStringList{"TfrmGetTabInfo"}));
  EXPECT_EQ(hints, (std::vector<bool>{false, true}));
}

TEST_F(TabCommandsTest, WithoutPromptTheSearchesGiveTheTitles) {
  settings.TabPrompt = false;
  TabDrawing drawn;
  dialogs->onExec = [&](QDialog& d) {
    if (auto* tab = qobject_cast<TfrmTab*>(&d)) drawn = tab->drawing();
  };
  commands.ShowTab(Song({"* Title: One", C, "* title: Two", "*SUB: live"}));
  EXPECT_EQ(dialogs->executedWindows, (QStringList{"TfrmTab"}));
  EXPECT_EQ(drawn.title, "Two");
  EXPECT_EQ(drawn.subtitle, "live");
  EXPECT_EQ(drawn.tuningText, "Standard Tuning - E A D G B E");
  commands.ShowTab(Song({C}));
  EXPECT_EQ(drawn.title, "Untitled");
  // The entries went with the window.
  EXPECT_EQ(commands.frmTab().layout(), nullptr);
}

TEST_F(TabCommandsTest, AsciiWindowShowsTheTextAndWarnsOnceAboutAnOverfullBar) {
  settings.TabPrompt = false;
  std::vector<std::string> song(17, C);
  std::vector<std::string> text;
  dialogs->onExec = [&](QDialog& d) {
    auto& tab = dynamic_cast<TfrmTab&>(d);
    text = tab.AsciiLines();
    EXPECT_EQ(tab.windowTitle(), "ASCII Tabulature");
    EXPECT_TRUE(tab.Memo1->isVisible());
    EXPECT_TRUE(tab.btnSave->isVisible());
    EXPECT_FALSE(tab.btnPrint->isVisible());
    EXPECT_FALSE(tab.PaintBox1->isVisible());
    EXPECT_EQ(tab.Memo1->font().styleHint(), QFont::Monospace);
  };
  commands.ShowAsciiTab(Song(song));
  ChordList list;
  BuildChordList(song, list);
  EXPECT_EQ(text, AsciiTabLines(BuildTabLayout(list, song), "Standard Tuning - E A D G B E", "Untitled", ""));
  EXPECT_EQ(dialogs->texts(), QStringList{kTruncationWarning});
  EXPECT_EQ(dialogs->messages[0].kind, MessageKind::Warning);
  song.pop_back();
  dialogs->messages.clear();
  commands.ShowAsciiTab(Song(song));
  EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(TabCommandsTest, GraphicWarningFollowsTheFirstPaintOnly) {
  settings.TabPrompt = false;
  dialogs->onExec = [&](QDialog& d) {
    auto& tab = dynamic_cast<TfrmTab&>(d);
    tab.resize(628, 415);
    tab.PaintBox1->viewport()->repaint();
    QApplication::processEvents();
    EXPECT_EQ(dialogs->messages.size(), 1u);
    tab.PaintBox1->viewport()->repaint();
    QApplication::processEvents();
    EXPECT_EQ(dialogs->messages.size(), 1u);
  };
  commands.ShowTab(Song(std::vector<std::string>(20, G)));
  EXPECT_EQ(dialogs->texts(), QStringList{kTruncationWarning});
  // A new opening warns again.
  dialogs->messages.clear();
  commands.ShowTab(Song(std::vector<std::string>(20, G)));
  EXPECT_EQ(dialogs->messages.size(), 1u);
}

TEST_F(TabCommandsTest, MidiFileIsWrittenWhereTheDialogSays) {
  settings.LastDir = dir.path().toStdString();
  // The capo sounds in the file as it does when the song plays.
  TabSongInput song = Song({"* Blues", "* Capo: 2", C, "", G}, dir.path().toStdString() + "/Blues.sly");
  song.patch = 30;
  song.tempo = 90;
  song.tuningOffsets = TuningOffsets(355433);
  const QString target = dir.path() + "/out/blues.mid";
  QDir().mkpath(dir.path() + "/out");
  dialogs->fileAnswers = {target};
  commands.SaveAsMidiFile(song);
  ASSERT_EQ(dialogs->fileDialogs.size(), 1u);
  const FileDialogOptions& o = dialogs->fileDialogs[0];
  EXPECT_EQ(o.title, "Save As Midi");
  EXPECT_EQ(o.fileName, "Blues.MID");
  EXPECT_EQ(o.folder, dir.path());
  EXPECT_EQ(o.filter, "Midi files (*.mid)|*.mid|All Files (*.*)|*.*");
  EXPECT_TRUE(o.confirmOverwrite);
  EXPECT_TRUE(o.defaultSuffix.isEmpty());
  ChordList list;
  BuildChordList(song.lines, list);
  ComputeDurations(list, TicksPerWholeNote);
  const std::string expected = MidiFileBytes(list, 30, 90, WithCapo(TuningOffsets(355433), 2));
  EXPECT_EQ(Read(target).toStdString(), expected);
  EXPECT_EQ(settings.LastDir, (dir.path() + "/out").toStdString());
  EXPECT_TRUE(dialogs->messages.empty());
  // No temporary file is left beside it.
  EXPECT_EQ(QDir(dir.path() + "/out").entryList(QDir::Files | QDir::Hidden), QStringList{"blues.mid"});
}

TEST_F(TabCommandsTest, MidiFileCancelledOrUnwritable) {
  settings.LastDir = "/nowhere";
  commands.SaveAsMidiFile(Song({C}));
  EXPECT_EQ(dialogs->fileDialogs.at(0).fileName, "Untitled.MID");
  EXPECT_EQ(settings.LastDir, "/nowhere");
  dialogs->fileAnswers = {dir.path() + "/missing/x.mid"};
  commands.SaveAsMidiFile(Song({C}));
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].kind, MessageKind::Error);
  EXPECT_EQ(settings.LastDir, "/nowhere");
}

}  // namespace
}  // namespace strumbly
