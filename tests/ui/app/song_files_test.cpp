#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

#include "support/main_window_fixture.h"
#include "support/test_files.h"
#include "ui/tab/tab_window.h"

using namespace strumbly;
using strumbly::test::kCMajor;
using strumbly::test::MainWindowTest;

namespace {

class SongFilesTest : public MainWindowTest {
 protected:
  // Opens a file through the Open command, answering its dialog.
  void Open(const QString& chosen) {
    dialogs->fileAnswers.push_back(chosen);
    window->action("Open1")->trigger();
  }
  void SaveAs(const QString& chosen) {
    dialogs->fileAnswers.push_back(chosen);
    window->action("SaveAs1")->trigger();
  }
  // Opens a song file holding the given text.
  void OpenText(const std::string& text, const QString& name = "song.sly") {
    test::WriteFileBytes(dir.filePath(name), text);
    Open(dir.filePath(name));
  }
};

}  // namespace

TEST_F(SongFilesTest, SavedSongOpensWithItsLinesInstrumentTuningAndTempo) {
  TfrmMain& w = *window;
  SetText(QString("* Title: Blues\n") + kCMajor + "\n\nG, 3, 2, 0, 0, 0, 3, .E");
  w.song().SetPatch(33);
  w.song().SetTuning(355433);
  w.trackbarTempo->setValue(96);
  SaveAs(dir.filePath("blues"));
  EXPECT_TRUE(dialogs->messages.empty()) << dialogs->texts().join("|").toStdString();
  const QString path = dir.filePath("blues.sly");
  EXPECT_EQ(test::ReadFileBytes(path),
            "*Info 1: Strumbly Version 1.0 File Information\r\n*Info 2:33\r\n*Info 3:355433\r\n*Info 4:96\r\n"
            "* Title: Blues\r\nC, x, 3, 2, 0, 1, 0, Q\r\n\r\nG, 3, 2, 0, 0, 0, 3, .E\r\n");
  EXPECT_EQ(Q(w.song().FileName()), path);
  EXPECT_EQ(w.lblFilename->text(), "blues.sly");
  EXPECT_EQ(w.windowTitle(), QString::fromUtf8("blues.sly[*] \u2014 Strumbly"));
  EXPECT_FALSE(w.isWindowModified());
  EXPECT_EQ(w.settings().LastDir, dir.path().toStdString());
  EXPECT_FALSE(w.song().Modified());

  w.action("New1")->trigger();
  EXPECT_TRUE(dialogs->messages.empty());  // nothing to save
  EXPECT_EQ(w.RichEdit1->toPlainText(), "");
  EXPECT_EQ(w.song().Patch(), 25);
  EXPECT_EQ(w.song().Tuning(), 555555);
  EXPECT_EQ(w.trackbarTempo->value(), 120);
  EXPECT_EQ(w.lblFilename->text(), "Untitled.sly");

  w.song().SetCurrentDuration(" .E");
  Open(path);
  EXPECT_EQ(w.sheet().Lines(), QStringList({"* Title: Blues", kCMajor, "", "G, 3, 2, 0, 0, 0, 3, .E"}));
  EXPECT_EQ(w.song().Patch(), 33);
  EXPECT_EQ(w.song().Tuning(), 355433);
  EXPECT_EQ(w.song().Tempo(), 96);
  EXPECT_EQ(w.trackbarTempo->value(), 96);
  EXPECT_EQ(w.spnTempo->value(), 96);
  EXPECT_EQ(Q(w.song().CurrentDuration()), " Q");
  EXPECT_EQ(Q(w.song().FileName()), path);
  EXPECT_EQ(w.lblFilename->text(), "blues.sly");
  EXPECT_EQ(w.sheet().CurrentLine(), 0);
  EXPECT_EQ(w.lblChordName->text(), "No Chord  -  Comment Line");
  EXPECT_FALSE(w.song().Modified());
  EXPECT_EQ(w.RichEdit1->document()->isUndoAvailable(), false);

  // The tempo bar shows the song's tempo, whoever sets it.
  w.song().SetTempo(200);
  EXPECT_EQ(w.trackbarTempo->value(), 200);
  EXPECT_EQ(w.spnTempo->value(), 200);
}

TEST_F(SongFilesTest, OpenAndSaveDialogsUseTheSongFilterAndTheLastFolder) {
  TfrmMain& w = *window;
  w.settings().LastDir = dir.path().toStdString();
  w.action("Open1")->trigger();  // cancelled
  ASSERT_EQ(dialogs->fileDialogs.size(), 1u);
  EXPECT_EQ(dialogs->fileDialogs[0].filter, "Strumbly files (*.sly)|*.sly|All Files (*.*)|*.*");
  EXPECT_EQ(dialogs->fileDialogs[0].defaultSuffix, "SLY");
  EXPECT_EQ(dialogs->fileDialogs[0].folder, dir.path());
  // Save As of an untitled song proposes its name in the last folder.
  w.action("SaveAs1")->trigger();
  ASSERT_EQ(dialogs->fileDialogs.size(), 2u);
  EXPECT_EQ(dialogs->fileDialogs[1].folder, dir.path());
  EXPECT_EQ(dialogs->fileDialogs[1].fileName, "Untitled.sly");
  EXPECT_TRUE(dialogs->fileDialogs[1].confirmOverwrite);
  EXPECT_EQ(Q(w.song().FileName()), "Untitled.sly");
  // A titled song proposes its own path.
  SetText(kCMajor);
  SaveAs(dir.filePath("a.sly"));
  w.action("SaveAs1")->trigger();
  EXPECT_EQ(dialogs->fileDialogs.back().fileName, dir.filePath("a.sly"));
}

TEST_F(SongFilesTest, InfoLineValuesAndTheirEdgeCases) {
  TfrmMain& w = *window;
  auto open = [&](const char* tempo, const char* patch = "*Info 2:25") {
    OpenText(std::string("*Info 1:\r\n") + patch + "\r\n*Info 3:555555\r\n" + tempo + "\r\n" + kCMajor + "\r\n");
  };
  open("*Info 4:700");
  EXPECT_EQ(w.trackbarTempo->value(), 500);
  EXPECT_EQ(w.spnTempo->value(), 500);
  open("*Info 4:0");
  EXPECT_EQ(w.trackbarTempo->value(), 1);
  open("*Info 4: 96 ");
  EXPECT_EQ(w.trackbarTempo->value(), 96);
  EXPECT_EQ(w.sheet().Lines(), QStringList{kCMajor});
  EXPECT_FALSE(w.song().Modified());

  open("*Info 4:120", "*Info 2:26");
  EXPECT_EQ(w.song().Patch(), 26);
  EXPECT_TRUE(w.action("JazzElectric1")->isChecked());
  open("*Info 4:120", "*Info 2:0");
  EXPECT_EQ(w.song().Patch(), 0);
  EXPECT_TRUE(w.action("MIDIPatch1")->isChecked());
  EXPECT_EQ(w.action("MIDIPatch1")->data().toInt(), 1);
  EXPECT_EQ(w.settings().MenuPatchTag, 1);  // the user instrument, for later runs too
  EXPECT_EQ(w.action("MIDIPatch1")->text(), "  1 Acoustic Grand");
  EXPECT_EQ(w.settings().MenuPatchName, "  1 Acoustic Grand");
  open("*Info 4:120", "*Info 2:40");
  EXPECT_TRUE(w.action("MIDIPatch1")->isChecked());
  EXPECT_EQ(w.settings().MenuPatchTag, 41);
  EXPECT_EQ(w.action("MIDIPatch1")->text(), " 41 Violin");
  // A new song goes back to the steel string guitar.
  w.action("New1")->trigger();
  EXPECT_TRUE(w.action("AcousticSteelStringGuitar1")->isChecked());
  open("*Info 4:120", "*Info 2:300");
  EXPECT_EQ(w.song().Patch(), 44);

  // Line 2 without its prefix: every line stays, the others still apply.
  OpenText("*Info 1:\r\n* no instrument\r\n*Info 3:355555\r\n*Info 4:80\r\n");
  EXPECT_EQ(w.sheet().LineCount(), 4);
  EXPECT_EQ(w.song().Patch(), 25);
  EXPECT_EQ(w.song().Tuning(), 355555);
  EXPECT_EQ(w.trackbarTempo->value(), 80);

  // No info lines at all: the song's defaults.
  w.trackbarTempo->setValue(60);
  w.song().SetModified(false);
  OpenText(std::string(kCMajor) + "\n");
  EXPECT_EQ(w.sheet().Lines(), QStringList{kCMajor});
  EXPECT_EQ(w.trackbarTempo->value(), 120);
  EXPECT_EQ(w.song().Tuning(), 555555);
}

TEST_F(SongFilesTest, OpenReplacesTheExtensionAndReportsMissingSongs) {
  TfrmMain& w = *window;
  test::WriteFileBytes(dir.filePath("song.sly"), std::string(kCMajor) + "\r\n");
  test::WriteFileBytes(dir.filePath("song.txt"), "not a song\r\n");
  Open(dir.filePath("song.txt"));
  EXPECT_EQ(Q(w.song().FileName()), dir.filePath("song.sly"));
  EXPECT_EQ(w.sheet().Lines(), QStringList{kCMajor});

  test::WriteFileBytes(dir.filePath("notes.txt"), "x\r\n");
  Open(dir.filePath("notes.txt"));
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].kind, MessageKind::Error);
  EXPECT_EQ(dialogs->messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(dialogs->messages[0].text, dir.filePath("notes.sly") + " doesn't exist!");
  EXPECT_EQ(Q(w.song().FileName()), dir.filePath("song.sly"));  // untouched
  EXPECT_EQ(w.sheet().Lines(), QStringList{kCMajor});

  // A song stored with an upper-case name opens as it is.
  test::WriteFileBytes(dir.filePath("LOUD.SLY"), "A, 0, 0, 0, 0, 0, 0, Q\r\n");
  Open(dir.filePath("LOUD.SLY"));
  EXPECT_EQ(Q(w.song().FileName()), dir.filePath("LOUD.SLY"));
  EXPECT_EQ(w.sheet().Line(0), "A, 0, 0, 0, 0, 0, 0, Q");
}

TEST_F(SongFilesTest, TheDictionaryCannotBeOpened) {
  TfrmMain& w = *window;
  for (const char* name : {"CHORDS.DCT", "chords.dct"}) {
    test::WriteFileBytes(dir.filePath(name), std::string(kCMajor) + "\r\n");
    dialogs->messages.clear();
    Open(dir.filePath(name));
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(dialogs->messages[0].buttons, MessageButtons::Cancel);
    EXPECT_EQ(dialogs->messages[0].text, "CHORDS.DCT can't be edited while Strumbly is running.");
    EXPECT_EQ(Q(w.song().FileName()), "Untitled.sly");
  }
}

TEST_F(SongFilesTest, TheSaveQuestionsThreeAnswers) {
  TfrmMain& w = *window;
  SaveAs(dir.filePath("mine.sly"));
  SetText(kCMajor);
  ASSERT_TRUE(w.song().Modified());

  dialogs->messageAnswers.push_back(MessageResult::Cancel);
  w.action("New1")->trigger();
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(dialogs->messages[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(dialogs->messages[0].text, " Save changes to \"mine.sly\"?");
  EXPECT_EQ(w.sheet().Lines(), QStringList{kCMajor});  // Cancel: nothing happens
  EXPECT_TRUE(w.song().Modified());

  dialogs->messageAnswers.push_back(MessageResult::No);
  w.action("New1")->trigger();
  EXPECT_EQ(w.RichEdit1->toPlainText(), "");
  EXPECT_EQ(test::ReadFileBytes(dir.filePath("mine.sly")).find("C, x"), std::string::npos);  // not saved

  Open(dir.filePath("mine.sly"));
  SetText(kCMajor);
  dialogs->messageAnswers.push_back(MessageResult::Yes);
  w.action("New1")->trigger();
  EXPECT_NE(test::ReadFileBytes(dir.filePath("mine.sly")).find("C, x, 3, 2, 0, 1, 0, Q\r\n"), std::string::npos);
  EXPECT_EQ(Q(w.song().FileName()), "Untitled.sly");
  EXPECT_FALSE(w.song().Modified());

  // With the prompts off a changed song goes without a question.
  w.settings().Prompts = false;
  SetText(kCMajor);
  const auto asked = dialogs->messages.size();
  w.action("New1")->trigger();
  EXPECT_EQ(dialogs->messages.size(), asked);
  EXPECT_EQ(w.RichEdit1->toPlainText(), "");
}

TEST_F(SongFilesTest, AFileThatCannotBeReadLeavesTheSongAlone) {
  TfrmMain& w = *window;
  OpenText(std::string(kCMajor) + "\r\n", "first.sly");
  w.trackbarTempo->setValue(77);
  ASSERT_TRUE(w.song().Modified());
  dialogs->messageAnswers.push_back(MessageResult::No);  // don't save it
  QDir(dir.path()).mkdir("folder.sly");
  Open(dir.filePath("folder.sly"));
  ASSERT_EQ(dialogs->messages.size(), 2u);
  EXPECT_EQ(dialogs->messages[1].kind, MessageKind::Error);
  EXPECT_EQ(dialogs->messages[1].text, "Cannot open file " + dir.filePath("folder.sly"));
  EXPECT_EQ(Q(w.song().FileName()), dir.filePath("first.sly"));
  EXPECT_EQ(w.sheet().Lines(), QStringList{kCMajor});
  EXPECT_EQ(w.trackbarTempo->value(), 77);
  EXPECT_TRUE(w.song().Modified());

  // Too large to edit: refused with a clear message.
  {
    QFile big(dir.filePath("big.sly"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(65 * 1024 * 1024));
  }
  w.song().SetModified(false);
  Open(dir.filePath("big.sly"));
  EXPECT_EQ(dialogs->messages.back().text,
            "Cannot open file " + dir.filePath("big.sly") + ": it holds 65 MB, and songs can be at most 64 MB.");
  EXPECT_EQ(Q(w.song().FileName()), dir.filePath("first.sly"));
  EXPECT_EQ(w.sheet().Lines(), QStringList{kCMajor});
}

TEST_F(SongFilesTest, AFailedSaveKeepsTheSongModifiedAndStopsTheCommand) {
  TfrmMain& w = *window;
  QDir(dir.path()).mkdir("gone");
  OpenText(std::string(kCMajor) + "\r\n", "gone/song.sly");
  SetText("A, 0, 0, 0, 0, 0, 0, Q");
  QDir(dir.filePath("gone")).removeRecursively();

  w.action("Save1")->trigger();
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].kind, MessageKind::Error);
  EXPECT_EQ(dialogs->messages[0].text, "File not found");
  EXPECT_TRUE(w.song().Modified());

  // Yes to the save question, the save fails: New does not go on.
  dialogs->messageAnswers.push_back(MessageResult::Yes);
  w.action("New1")->trigger();
  EXPECT_EQ(w.sheet().Lines(), QStringList{"A, 0, 0, 0, 0, 0, 0, Q"});
  EXPECT_TRUE(w.song().Modified());
  // Nor does closing.
  dialogs->messageAnswers.push_back(MessageResult::Yes);
  EXPECT_FALSE(w.close());
  EXPECT_TRUE(w.song().Modified());

  // A failed Save As keeps the old name, so a later Save does not go to a
  // file the label does not show.
  SaveAs(dir.filePath("missing/new.sly"));
  EXPECT_EQ(dialogs->messages.back().text, "File not found");
  EXPECT_EQ(Q(w.song().FileName()), dir.filePath("gone/song.sly"));
  EXPECT_EQ(w.lblFilename->text(), "song.sly");
  EXPECT_TRUE(w.song().Modified());
}

TEST_F(SongFilesTest, SaveAsReplacesTheExtensionAndAsksBeforeReplacingAnotherSong) {
  TfrmMain& w = *window;
  SetText(kCMajor);
  SaveAs(dir.filePath("tune.txt"));
  EXPECT_TRUE(QFile::exists(dir.filePath("tune.sly")));
  EXPECT_FALSE(QFile::exists(dir.filePath("tune.txt")));
  EXPECT_EQ(Q(w.song().FileName()), dir.filePath("tune.sly"));

  // other.sly exists; the dialog only asked about other.txt.
  test::WriteFileBytes(dir.filePath("other.sly"), "precious\r\n");
  SetText("A, 0, 0, 0, 0, 0, 0, Q");
  dialogs->messageAnswers.push_back(MessageResult::No);
  SaveAs(dir.filePath("other.txt"));
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(test::ReadFileBytes(dir.filePath("other.sly")), "precious\r\n");
  EXPECT_EQ(Q(w.song().FileName()), dir.filePath("tune.sly"));
  EXPECT_TRUE(w.song().Modified());
  SaveAs(dir.filePath("other.txt"));  // Yes
  EXPECT_NE(test::ReadFileBytes(dir.filePath("other.sly")).find("A, 0, 0"), std::string::npos);
  EXPECT_FALSE(w.song().Modified());
}

// A song that never had a name is not written into the working folder
// unasked (that could replace another Untitled.sly there): Save asks for a
// name, proposing Untitled.sly in the last folder used.
TEST_F(SongFilesTest, SavingAnUntitledSongAsksWhereItGoes) {
  TfrmMain& w = *window;
  test::WriteFileBytes(dir.filePath("Untitled.sly"), "* an older sketch\r\n");
  w.settings().LastDir = dir.filePath("songs").toStdString();
  QDir(dir.path()).mkdir("songs");
  SetText(kCMajor);
  w.action("Save1")->trigger();  // the dialog is cancelled
  ASSERT_EQ(dialogs->fileDialogs.size(), 1u);
  EXPECT_EQ(dialogs->fileDialogs[0].title, "Save As");
  EXPECT_EQ(dialogs->fileDialogs[0].fileName, "Untitled.sly");
  EXPECT_EQ(dialogs->fileDialogs[0].folder, dir.filePath("songs"));
  EXPECT_EQ(test::ReadFileBytes(dir.filePath("Untitled.sly")), "* an older sketch\r\n");
  EXPECT_TRUE(w.song().Modified());

  dialogs->fileAnswers.push_back(dir.filePath("songs/first.sly"));
  w.action("Save1")->trigger();
  EXPECT_NE(test::ReadFileBytes(dir.filePath("songs/first.sly")).find(kCMajor), std::string::npos);
  EXPECT_EQ(Q(w.song().FileName()), dir.filePath("songs/first.sly"));
  EXPECT_FALSE(w.song().Modified());
  EXPECT_EQ(test::ReadFileBytes(dir.filePath("Untitled.sly")), "* an older sketch\r\n");
}

// The save question of New goes the same way: a cancelled name keeps the
// song, a given one saves it and New goes on.
TEST_F(SongFilesTest, TheSaveQuestionOfAnUntitledSongAsksForAName) {
  TfrmMain& w = *window;
  SetText(kCMajor);
  w.action("New1")->trigger();  // Yes to saving, then no name given
  EXPECT_EQ(w.sheet().Lines(), QStringList{kCMajor});
  EXPECT_TRUE(w.song().Modified());
  dialogs->fileAnswers.push_back(dir.filePath("kept.sly"));
  w.action("New1")->trigger();
  EXPECT_NE(test::ReadFileBytes(dir.filePath("kept.sly")).find(kCMajor), std::string::npos);
  EXPECT_TRUE(w.sheet().Lines().isEmpty());
  EXPECT_EQ(w.lblFilename->text(), "Untitled.sly");
}

TEST_F(SongFilesTest, Latin1SongsOpenIntactAndAreSavedAsUtf8) {
  TfrmMain& w = *window;
  OpenText("* caf\xE9 au lait\r\n");
  EXPECT_EQ(w.sheet().Line(0), QString::fromUtf8("* caf\u00e9 au lait"));
  w.action("Save1")->trigger();
  EXPECT_NE(test::ReadFileBytes(dir.filePath("song.sly")).find("* caf\xC3\xA9 au lait\r\n"), std::string::npos);
  // One Latin-1 line among UTF-8 ones leaves those as they were.
  OpenText("* 5 \xE2\x82\xAC\r\n* caf\xE9\r\n");
  EXPECT_EQ(w.sheet().Lines(), (QStringList{QString::fromUtf8("* 5 \u20ac"), QString::fromUtf8("* caf\u00e9")}));
  w.action("Save1")->trigger();
  EXPECT_NE(test::ReadFileBytes(dir.filePath("song.sly")).find("* 5 \xE2\x82\xAC\r\n* caf\xC3\xA9\r\n"),
            std::string::npos);
}

// Another copy of the program, or another program, wrote the song's file
// since it was opened or saved: saving over it asks first.
TEST_F(SongFilesTest, SavingOverASongChangedOnDiskAsksFirst) {
  TfrmMain& w = *window;
  OpenText(std::string(kCMajor) + "\r\n");
  const QString path = dir.filePath("song.sly");
  SetText("* mine");
  test::WriteFileBytes(path, "* theirs, longer than before\r\n");
  dialogs->messageAnswers.push_back(MessageResult::No);
  w.action("Save1")->trigger();
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].text, "song.sly was changed by another program since it was opened. Replace it?");
  EXPECT_EQ(dialogs->messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(test::ReadFileBytes(path), "* theirs, longer than before\r\n");
  EXPECT_TRUE(w.song().Modified());
  // No stops the command that asked for the save, as Cancel does.
  dialogs->messageAnswers = {MessageResult::Yes, MessageResult::No};
  w.action("New1")->trigger();
  EXPECT_EQ(w.sheet().Lines(), QStringList{"* mine"});

  dialogs->messages.clear();
  w.action("Save1")->trigger();  // Yes
  EXPECT_NE(test::ReadFileBytes(path).find("* mine\r\n"), std::string::npos);
  EXPECT_FALSE(w.song().Modified());
  // The file as this save left it is what counts from now on.
  SetText("* mine again");
  w.action("Save1")->trigger();
  test::WriteFileBytes(path, "* theirs again\r\n");
  SetText("* and again");
  SaveAs(path);  // the same file by Save As
  EXPECT_EQ(dialogs->messages.size(), 2u);
  EXPECT_NE(test::ReadFileBytes(path).find("* and again\r\n"), std::string::npos);
}

// Markup in a song or its name is text: a chord named <img src=/dev/zero>
// would otherwise make a label read that device until memory ran out.
TEST_F(SongFilesTest, MarkupInASongOrItsNameIsShownAsText) {
  TfrmMain& w = *window;
  OpenText("<h1>Am</h1>, x, 0, 2, 2, 1, 0, Q\r\nC, <b>x</b>, 3, 2, 0, 1, 0, Q\r\n", "<h1>tag.sly");
  const QList<QLabel*> labels = {w.lblFilename, w.lblChordName, w.findChild<QLabel*>("StatusPanel0"),
                                 w.findChild<QLabel*>("StatusPanel1"), w.findChild<QLabel*>("StatusPanel2")};
  for (QLabel* label : labels) EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
  EXPECT_EQ(w.lblFilename->text(), "<h1>tag.sly");
  EXPECT_EQ(w.lblChordName->text(), "<h1>Am</h1>");
  w.sheet().SelectLine(1, false);
  w.ShowLine(1);
  EXPECT_TRUE(w.StatusPanel(0).contains("<b>x</b>")) << w.StatusPanel(0).toStdString();

  // The real message boxes show their text as it is, too.
  Qt::TextFormat shown = Qt::AutoText;
  QTimer::singleShot(0, [&shown] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = box->textFormat();
      box->done(QMessageBox::Ok);
    }
  });
  QtDialogs().Message(&w, MessageKind::Error, "<img src=nothing> doesn't exist!", MessageButtons::Ok);
  EXPECT_EQ(shown, Qt::PlainText);
}

TEST_F(SongFilesTest, OddFilesOpenWithoutHarm) {
  TfrmMain& w = *window;
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 37) & 0xFF);
  binary += std::string(100, '\0');
  OpenText(binary, "binary.sly");
  EXPECT_EQ(Q(w.song().FileName()), dir.filePath("binary.sly"));
  EXPECT_GT(w.sheet().LineCount(), 1);
  OpenText(std::string(10 * 1024 * 1024, 'a'), "long.sly");
  EXPECT_EQ(w.sheet().LineCount(), 1);
  EXPECT_EQ(w.sheet().Line(0).size(), 10 * 1024 * 1024);
  EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(SongFilesTest, ASongNamedOnTheCommandLineOpensAtStartUp) {
  QDir(dir.path()).mkdir("my blues");
  const QString path = dir.filePath("my blues/slow song.sly");
  test::WriteFileBytes(path,
                       "*Info 1:\r\n*Info 2:27\r\n*Info 3:555555\r\n*Info 4:90\r\n" + std::string(kCMajor) + "\r\n");
  // The shell split the path at its blanks.
  const QStringList pieces = path.split(' ');
  ASSERT_EQ(pieces.size(), 3);
  TfrmMain& w = Start(pieces);
  EXPECT_EQ(Q(w.song().FileName()), path);
  EXPECT_EQ(w.lblFilename->text(), "slow song.sly");
  EXPECT_EQ(w.song().Patch(), 27);
  EXPECT_EQ(w.trackbarTempo->value(), 90);
  EXPECT_EQ(w.lblChordName->text(), "C");
  EXPECT_FALSE(w.song().Modified());
  EXPECT_TRUE(w.settings().LastDir.empty());

  // Not a song: ignored.
  test::WriteFileBytes(dir.filePath("notes.txt"), std::string(kCMajor) + "\r\n");
  TfrmMain& other = Start({dir.filePath("notes.txt")});
  EXPECT_EQ(other.song().FileName(), "Untitled.sly");
  EXPECT_EQ(other.RichEdit1->toPlainText(), "");
}

TEST_F(SongFilesTest, TheTuningOfASong) {
  TfrmMain& w = *window;
  auto openTuning = [&](const char* value) {
    OpenText(std::string("*Info 1:\r\n*Info 2:25\r\n*Info 3:") + value + "\r\n*Info 4:120\r\n");
  };
  const QString userCaption = w.tuningMenu().UserItem()->text();
  openTuning("355433");
  EXPECT_TRUE(w.action("DMajor1")->isChecked());
  EXPECT_EQ(w.tuningMenu().UserItem()->text(), userCaption);
  EXPECT_EQ(w.song().Offsets(), (std::array<int, 6>{-2, -2, -1, 0, 0, -2}));

  openTuning("505555");
  EXPECT_TRUE(w.tuningMenu().UserItem()->isChecked());
  EXPECT_EQ(w.tuningMenu().UserItem()->text(), "&Custom Tuning - E ? D G B E");
  EXPECT_EQ(w.tuningMenu().UserItem()->data().toInt(), 505555);
  EXPECT_EQ(w.StatusPanel(1), "Custom Tuning - E ? D G B E");
  // The tablature names the tuning as the status bar does.
  std::vector<std::string> tab;
  dialogs->onExec = [&](QDialog& d) {
    if (auto* t = qobject_cast<TfrmTab*>(&d)) tab = t->AsciiLines();
  };
  w.settings().TabPrompt = false;
  w.sheet().SetLines({kCMajor});
  w.action("ASCIItab1")->trigger();
  ASSERT_GT(tab.size(), 2u);
  EXPECT_EQ(tab[1], "Custom Tuning - E ? D G B E");
  dialogs->onExec = nullptr;
  w.song().SetModified(false);
  EXPECT_EQ(w.settings().MenuTuningTag, 133565);  // the stored user tuning stays
  EXPECT_FALSE(w.song().Modified());

  // Not six digits: standard tuning.
  for (const char* value : {"12", "-355433", "tune"}) {
    openTuning(value);
    EXPECT_EQ(w.song().Tuning(), 555555) << value;
    EXPECT_TRUE(w.action("Standard1")->isChecked()) << value;
  }
  EXPECT_TRUE(dialogs->messages.empty());
  // What is saved is what is applied.
  w.action("Save1")->trigger();
  QFile f(dir.filePath("song.sly"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().contains("*Info 3:555555\r\n"));
}

// A large song loads in steps behind a progress dialog; Cancel leaves the
// song that was there as it was.
TEST_F(SongFilesTest, ALargeSongLoadsInStepsAndCancelKeepsTheCurrentSong) {
  TfrmMain& w = *window;
  std::string big = "*Info 1: x\r\n*Info 2:30\r\n*Info 3:555555\r\n*Info 4:90\r\n";
  for (int i = 0; i < 3 * SongFiles::kStepwiseLines; ++i) big += "G, 3, 2, 0, 0, 0, 3, E\r\n";
  test::WriteFileBytes(dir.filePath("big.sly"), big);
  const QString small = dir.filePath("small.sly");
  test::WriteFileBytes(small, "C, x, 3, 2, 0, 1, 0, Q\r\n");
  w.songFiles().OpenSong(small);

  // Cancelled at the first step.
  w.songFiles().SetProgressDelay(0);
  QProgressDialog* seen = nullptr;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (auto* p = w.findChild<QProgressDialog*>(); p && !seen) {
      seen = p;
      p->cancel();
    }
  });
  poll.start(0);
  w.songFiles().OpenSong(dir.filePath("big.sly"));
  poll.stop();
  EXPECT_EQ(w.sheet().Lines(), QStringList{kCMajor});
  EXPECT_EQ(Q(w.song().FileName()), small);
  EXPECT_EQ(w.song().Patch(), 25);
  EXPECT_FALSE(w.song().Modified());

  // Let through, it is the song, and its loading is no step of Undo.
  w.songFiles().OpenSong(dir.filePath("big.sly"));
  EXPECT_EQ(w.sheet().LineCount(), 3 * SongFiles::kStepwiseLines);
  EXPECT_EQ(w.sheet().Line(0), "G, 3, 2, 0, 0, 0, 3, E");
  EXPECT_EQ(w.song().Patch(), 30);
  EXPECT_EQ(w.trackbarTempo->value(), 90);
  EXPECT_FALSE(w.song().Modified());
  EXPECT_FALSE(w.RichEdit1->document()->isUndoAvailable());
  w.sheet().ReplaceLine(0, kCMajor);  // the editor works on the new text
  EXPECT_TRUE(w.song().Modified());
  w.action("Undo1")->trigger();
  EXPECT_EQ(w.sheet().Line(0), "G, 3, 2, 0, 0, 0, 3, E");
}
