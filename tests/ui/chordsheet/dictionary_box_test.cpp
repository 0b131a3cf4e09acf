#include "ui/chordsheet/dictionary_box.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "platform/command_error.h"
#include "platform/dictionary_file.h"
#include "support/test_files.h"

using namespace strumbly;

namespace {

class DictionaryBoxTest : public ::testing::Test {
 protected:
  QTemporaryDir temp;
  QComboBox combo;
  DictionaryBox dictionary{&combo};
  QString install() const { return temp.filePath("install"); }
  QString file() const { return install() + "/CHORDS.DCT"; }
};

const std::string kThree = "G, 3, 2, 0, 0, 0, 3, Q\r\nam, x, 0, 2, 2, 1, 0, Q\r\nC, x, 3, 2, 0, 1, 0, Q\r\n";

}  // namespace

TEST_F(DictionaryBoxTest, FirstRunFillsTheListFromTheShippedDictionary) {
  dictionary.load(install(), false);
  EXPECT_EQ(dictionary.fileName(), file());
  const QStringList shipped = dictionary.entries();
  EXPECT_GE(shipped.size(), 150);
  EXPECT_EQ(test::ReadFileBytes(file()), test::ReadFileBytes(STRUMBLY_SOURCE_DIR "/resources/dictionary/CHORDS.DCT"));
  EXPECT_FALSE(combo.isEditable());  // pick only
  EXPECT_EQ(combo.currentIndex(), -1);
}

TEST_F(DictionaryBoxTest, LoadKeepsFileOrderOrSorts) {
  test::WriteFileBytes(file(), kThree);
  dictionary.load(install(), false);
  EXPECT_EQ(dictionary.entries(),
            (QStringList{"G, 3, 2, 0, 0, 0, 3, Q", "am, x, 0, 2, 2, 1, 0, Q", "C, x, 3, 2, 0, 1, 0, Q"}));
  dictionary.load(install(), true);
  EXPECT_EQ(dictionary.entries(),
            (QStringList{"am, x, 0, 2, 2, 1, 0, Q", "C, x, 3, 2, 0, 1, 0, Q", "G, 3, 2, 0, 0, 0, 3, Q"}));
  EXPECT_EQ(test::ReadFileBytes(file()), kThree);  // nothing is written before exit
}

TEST_F(DictionaryBoxTest, SortingOnSortsAtOnceAndOffKeepsTheOrder) {
  test::WriteFileBytes(file(), kThree);
  dictionary.load(install(), false);
  combo.setCurrentIndex(0);  // G shown
  dictionary.setSorted(true);
  EXPECT_TRUE(dictionary.isSorted());
  EXPECT_EQ(dictionary.entries().first(), "am, x, 0, 2, 2, 1, 0, Q");
  EXPECT_EQ(combo.currentText(), "G, 3, 2, 0, 0, 0, 3, Q");  // still shown
  dictionary.setSorted(false);
  EXPECT_EQ(dictionary.entries().first(), "am, x, 0, 2, 2, 1, 0, Q");
  dictionary.save();
  EXPECT_EQ(test::ReadFileBytes(file()),
            "am, x, 0, 2, 2, 1, 0, Q\r\nC, x, 3, 2, 0, 1, 0, Q\r\nG, 3, 2, 0, 0, 0, 3, Q\r\n");
}

TEST_F(DictionaryBoxTest, PickingAnEntryHandsOverItsLine) {
  test::WriteFileBytes(file(), "C, x, 3, 2, 0, 1, 0, Q\r\n\r\nbad line\r\n");
  dictionary.load(install(), false);
  QSignalSpy picked(&dictionary, &DictionaryBox::chordPicked);
  combo.setCurrentIndex(0);  // the program's own change is no pick
  EXPECT_EQ(picked.count(), 0);

  combo.show();
  combo.setFocus();
  QTest::keyClick(&combo, Qt::Key_Down);  // onto the empty entry: nothing to insert
  EXPECT_EQ(picked.count(), 0);
  QTest::keyClick(&combo, Qt::Key_Down);
  ASSERT_EQ(picked.count(), 1);
  EXPECT_EQ(picked.at(0).at(0).toString(), "bad line");  // the main window checks it
  QTest::keyClick(&combo, Qt::Key_Home);
  ASSERT_EQ(picked.count(), 2);
  EXPECT_EQ(picked.at(1).at(0).toString(), "C, x, 3, 2, 0, 1, 0, Q");
  EXPECT_EQ(combo.currentText(), "C, x, 3, 2, 0, 1, 0, Q");  // the pick stays shown
}

TEST_F(DictionaryBoxTest, ReplacingFromTheSongsTenLines) {
  const std::vector<std::string> song = {"* Intro",
                                         "G, 3, 2, 0, 0, 0, 3, Q",
                                         "Am, x, 0, 2, 2, 1, 0, Q",
                                         "",
                                         "F, 1, 3, 3, 2, 1, Z",
                                         "*Verse",
                                         "C, x, 3, 2, 0, 1, 0, Q",
                                         "E, 0, 2, 2, 1, 0, 0, Q",
                                         "D, x, x, 0, 2, 3, 2, Q",
                                         "Em, 0, 2, 2, 0, 0, 0, Q"};
  dictionary.load(install(), false);
  dictionary.replaceFromSong(song);
  const QStringList inFileOrder = {"G, 3, 2, 0, 0, 0, 3, Q", "Am, x, 0, 2, 2, 1, 0, Q", "",
                                   "C, x, 3, 2, 0, 1, 0, Q", "E, 0, 2, 2, 1, 0, 0, Q",  "D, x, x, 0, 2, 3, 2, Q",
                                   "Em, 0, 2, 2, 0, 0, 0, Q"};
  EXPECT_EQ(dictionary.entries(), inFileOrder);
  dictionary.setSorted(true);
  dictionary.replaceFromSong(song);
  EXPECT_EQ(dictionary.entries(),
            (QStringList{"", "Am, x, 0, 2, 2, 1, 0, Q", "C, x, 3, 2, 0, 1, 0, Q", "D, x, x, 0, 2, 3, 2, Q",
                         "E, 0, 2, 2, 1, 0, 0, Q", "Em, 0, 2, 2, 0, 0, 0, Q", "G, 3, 2, 0, 0, 0, 3, Q"}));
  dictionary.save();
  EXPECT_EQ(test::ReadFileBytes(file()),
            "\r\nAm, x, 0, 2, 2, 1, 0, Q\r\nC, x, 3, 2, 0, 1, 0, Q\r\nD, x, x, 0, 2, 3, 2, Q\r\n"
            "E, 0, 2, 2, 1, 0, 0, Q\r\nEm, 0, 2, 2, 0, 0, 0, Q\r\nG, 3, 2, 0, 0, 0, 3, Q\r\n");
}

// A file that cannot be read is reported, and the empty list is not written
// over it at exit: the user's chords would be lost.
TEST_F(DictionaryBoxTest, UnreadableFileIsReportedAndLeftAlone) {
  QDir().mkpath(install());
  ASSERT_EQ(::mkfifo(QFile::encodeName(file()).constData(), 0644), 0);
  try {
    dictionary.load(install(), false);
    ADD_FAILURE() << "no error";
  } catch (const CommandError& e) {
    EXPECT_EQ(e.text(), "Cannot open file " + file());
  }
  EXPECT_EQ(combo.count(), 0);
  dictionary.save();
  EXPECT_FALSE(QFileInfo(file()).isFile());  // still the pipe it was
  // A list the user made anew is not written over the pipe either: saving
  // is refused and the pipe stays.
  dictionary.replaceFromSong({"A, x, 0, 2, 2, 2, 0, Q"});
  EXPECT_THROW(dictionary.save(), CommandError);
  EXPECT_FALSE(QFileInfo(file()).isFile());
}

TEST_F(DictionaryBoxTest, SaveFailureIsReported) {
  test::WriteFileBytes(file(), kThree);
  dictionary.load(install(), false);
  QDir(install()).removeRecursively();
  test::WriteFileBytes(install(), "a file where the folder was");
  try {
    dictionary.save();
    ADD_FAILURE() << "no error";
  } catch (const CommandError& e) {
    EXPECT_EQ(e.text(), "Cannot create file " + file());
  }
}

TEST_F(DictionaryBoxTest, NothingIsWrittenBeforeALoad) {
  dictionary.save();
  EXPECT_EQ(dictionary.fileName(), "");
  EXPECT_FALSE(QFileInfo::exists(file()));
}
