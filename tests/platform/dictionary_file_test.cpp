#include "platform/dictionary_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/data_paths.h"
#include "support/test_files.h"

using namespace strumbly;
using ::testing::ElementsAre;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

// Root ignores file permissions, so the permission cases cannot fail there.
bool PermissionsApply() { return ::geteuid() != 0; }

class DictionaryFile : public ::testing::Test {
 protected:
  QTemporaryDir temp;
  QString install() const { return temp.filePath("user"); }
  QString path() const { return DictionaryFileName(install()); }
  // A program folder with no installed data beside it.
  QString bareExe() const { return temp.filePath("nowhere/bin"); }
};

}  // namespace

TEST_F(DictionaryFile, NameIsInTheInstallFolder) {
  EXPECT_EQ(DictionaryFileName("/home/u/.local/share/Strumbly"), "/home/u/.local/share/Strumbly/CHORDS.DCT");
}

TEST_F(DictionaryFile, SavedWithCrLfAndReadBack) {
  const DictionaryEntries entries = {"C, x, 3, 2, 0, 1, 0, Q", "", "Am, x, 0, 2, 2, 1, 0, Q"};
  WriteDictionaryFile(path(), entries);  // the folder is made as well
  EXPECT_EQ(test::ReadFileBytes(path()), "C, x, 3, 2, 0, 1, 0, Q\r\n\r\nAm, x, 0, 2, 2, 1, 0, Q\r\n");
  EXPECT_EQ(ReadDictionaryFile(path()), entries);
  // Saving again replaces the file whole and leaves no temporary file behind.
  WriteDictionaryFile(path(), {"G, 3, 2, 0, 0, 0, 3, Q"});
  EXPECT_EQ(test::ReadFileBytes(path()), "G, 3, 2, 0, 0, 0, 3, Q\r\n");
  EXPECT_THAT(QDir(install()).entryList(QDir::Files | QDir::Hidden), ElementsAre("CHORDS.DCT"));
  WriteDictionaryFile(path(), {});
  EXPECT_EQ(test::ReadFileBytes(path()), "");
  EXPECT_EQ(ReadDictionaryFile(path()), DictionaryEntries{});
}

TEST_F(DictionaryFile, MixedEncodingsReadByLineAndAnUnchangedListIsNotRewritten) {
  // One Latin-1 line does not turn the UTF-8 lines beside it into mojibake.
  const std::string bytes = "* 5 \xE2\x82\xAC\r\n* caf\xE9\nC, x, 3, 2, 0, 1, 0, Q";
  QDir().mkpath(install());
  test::WriteFileBytes(path(), bytes);
  const DictionaryEntries entries = {"* 5 \xE2\x82\xAC", "* caf\xC3\xA9", "C, x, 3, 2, 0, 1, 0, Q"};
  EXPECT_EQ(ReadDictionaryFile(path()), entries);
  // The save at exit leaves the file alone when the list did not change...
  WriteDictionaryFile(path(), entries);
  EXPECT_EQ(test::ReadFileBytes(path()), bytes);
  // ...and writes it whole, in UTF-8, when it did.
  WriteDictionaryFile(path(), {"* 5 \xE2\x82\xAC", "* caf\xC3\xA9"});
  EXPECT_EQ(test::ReadFileBytes(path()), "* 5 \xE2\x82\xAC\r\n* caf\xC3\xA9\r\n");
}

TEST_F(DictionaryFile, MissingFileIsNoError) { EXPECT_EQ(ReadDictionaryFile(path()), std::nullopt); }

TEST_F(DictionaryFile, UnreadableFileIsReported) {
  QDir().mkpath(path());  // a folder where the file should be
  EXPECT_EQ(test::CommandErrorOf([&] { ReadDictionaryFile(path()); }), "Cannot open file " + path());
  EXPECT_EQ(test::CommandErrorOf([&] { LoadUserDictionary(install(), bareExe()); }), "Cannot open file " + path());
  EXPECT_EQ(test::CommandErrorOf([&] { WriteDictionaryFile(path(), {"A"}); }), "Cannot create file " + path());
}

TEST_F(DictionaryFile, UnwritableFolderIsReportedAndTheOldFileKept) {
  if (!PermissionsApply()) GTEST_SKIP() << "permissions do not bind root";
  WriteDictionaryFile(path(), {"old"});
  ASSERT_EQ(::chmod(QFile::encodeName(install()).constData(), 0555), 0);
  EXPECT_EQ(test::CommandErrorOf([&] { WriteDictionaryFile(path(), {"new"}); }), "Cannot create file " + path());
  ::chmod(QFile::encodeName(install()).constData(), 0755);
  EXPECT_EQ(test::ReadFileBytes(path()), "old\r\n");
}

TEST_F(DictionaryFile, FolderThatCannotBeMadeIsReported) {
  test::WriteFileBytes(temp.filePath("file"), "x");
  const QString inside = DictionaryFileName(temp.filePath("file/sub"));
  EXPECT_EQ(test::CommandErrorOf([&] { WriteDictionaryFile(inside, {"A"}); }), "Cannot create file " + inside);
}

TEST_F(DictionaryFile, UserFileWinsOverTheDefault) {
  test::WriteFileBytes(path(), "Mine, x, 3, 2, 0, 1, 0, Q\r\n");
  const UserDictionary user = LoadUserDictionary(install(), bareExe());
  EXPECT_THAT(user.entries, ElementsAre("Mine, x, 3, 2, 0, 1, 0, Q"));
  EXPECT_FALSE(user.createdFromDefault);
}

TEST_F(DictionaryFile, FirstRunCopiesTheInstalledDefault) {
  // An installed program: <prefix>/bin/strumbly with <prefix>/share/strumbly.
  const QString prefix = temp.filePath("prefix");
  test::WriteFileBytes(prefix + "/share/strumbly/dictionary/CHORDS.DCT",
                       "Installed, 0, 2, 2, 1, 0, 0, Q\nSecond, x, 0, 2, 2, 2, 0, Q");
  const UserDictionary user = LoadUserDictionary(install(), prefix + "/bin");
  EXPECT_TRUE(user.createdFromDefault);
  EXPECT_THAT(user.entries, ElementsAre("Installed, 0, 2, 2, 1, 0, 0, Q", "Second, x, 0, 2, 2, 2, 0, Q"));
  // The user's own copy is written with CR LF line ends.
  EXPECT_EQ(test::ReadFileBytes(path()), "Installed, 0, 2, 2, 1, 0, 0, Q\r\nSecond, x, 0, 2, 2, 2, 0, Q\r\n");
  // From now on the user's file is read, even when the default changes.
  test::WriteFileBytes(prefix + "/share/strumbly/dictionary/CHORDS.DCT", "Changed\r\n");
  EXPECT_THAT(LoadUserDictionary(install(), prefix + "/bin").entries,
              ElementsAre("Installed, 0, 2, 2, 1, 0, 0, Q", "Second, x, 0, 2, 2, 2, 0, Q"));
}

TEST_F(DictionaryFile, DataFoldersOfAnInstalledAndABuildFolderProgram) {
  EXPECT_THAT(DataFolders("/usr/bin"), ElementsAre("/usr/share/strumbly", "/usr/resources"));
  EXPECT_THAT(DataFolders("/src/strumbly/build"),
              ElementsAre("/src/strumbly/share/strumbly", "/src/strumbly/resources"));
  // Run from a build folder of the source tree, the source's resources serve.
  const QString tree = temp.filePath("tree");
  test::WriteFileBytes(tree + "/resources/dictionary/CHORDS.DCT", "FromTree, x, 0, 2, 2, 1, 0, Q\r\n");
  EXPECT_EQ(FindDataFile("dictionary/CHORDS.DCT", tree + "/build"), tree + "/resources/dictionary/CHORDS.DCT");
  EXPECT_THAT(DefaultDictionary(tree + "/build"), ElementsAre("FromTree, x, 0, 2, 2, 1, 0, Q"));
  // An installed copy comes first.
  test::WriteFileBytes(tree + "/share/strumbly/dictionary/CHORDS.DCT", "Installed\r\n");
  EXPECT_EQ(FindDataFile("dictionary/CHORDS.DCT", tree + "/build"), tree + "/share/strumbly/dictionary/CHORDS.DCT");
  EXPECT_THAT(DefaultDictionary(tree + "/build"), ElementsAre("Installed"));
  EXPECT_EQ(FindDataFile("dictionary/NONE.DCT", tree + "/build"), "");
}

TEST_F(DictionaryFile, CompiledInCopyServesWhenNothingIsInstalled) {
  const DictionaryEntries shipped = DefaultDictionary(bareExe());
  ASSERT_GE(shipped.size(), 150u);
  EXPECT_EQ(shipped, ReadDictionaryFile(STRUMBLY_SOURCE_DIR "/resources/dictionary/CHORDS.DCT"));
  const UserDictionary user = LoadUserDictionary(install(), bareExe());
  EXPECT_TRUE(user.createdFromDefault);
  EXPECT_EQ(user.entries, shipped);
  EXPECT_EQ(test::ReadFileBytes(path()), test::ReadFileBytes(STRUMBLY_SOURCE_DIR "/resources/dictionary/CHORDS.DCT"));
}

TEST_F(DictionaryFile, FirstRunStillGivesTheDefaultWhenTheCopyCannotBeWritten) {
  test::WriteFileBytes(temp.filePath("file"), "x");
  const UserDictionary user = LoadUserDictionary(temp.filePath("file/sub"), bareExe());
  EXPECT_FALSE(user.createdFromDefault);
  EXPECT_GE(user.entries.size(), 150u);
}
