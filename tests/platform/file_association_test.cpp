#include "platform/file_association.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "platform/command_error.h"
#include "support/environment_scope.h"
#include "support/test_files.h"

using namespace strumbly;
using strumbly::test::CommandErrorOf;
using strumbly::test::EnvironmentScope;
using strumbly::test::ReadText;
using strumbly::test::WriteFile;

namespace {

class FileAssociationTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  AssociationFolders folders{dir.filePath("data"), dir.filePath("config")};
  QString desktopFile() const { return folders.dataHome + "/applications/strumbly.desktop"; }
  QString packageFile() const { return folders.dataHome + "/mime/packages/strumbly.xml"; }
  QString mimeapps() const { return folders.configHome + "/mimeapps.list"; }
};

}  // namespace

TEST_F(FileAssociationTest, WritesTypeEntryAndDefaultForAProgramWhosePathHasBlanks) {
  ASSERT_TRUE(QDir().mkpath(folders.configHome));
  WriteFile(mimeapps(),
            "[Default Applications]\ntext/html=firefox.desktop\n\n[Added Associations]\nimage/png=gimp.desktop;\n");
  EXPECT_TRUE(WriteFileAssociation(SongFileType("/home/jo/My Programs/strumbly"), folders));

  const QString entry = ReadText(desktopFile());
  EXPECT_TRUE(entry.contains("\nExec=\"/home/jo/My Programs/strumbly\" %f\n")) << entry.toStdString();
  EXPECT_TRUE(entry.contains("\nMimeType=application/x-strumbly;\n")) << entry.toStdString();
  const QString package = ReadText(packageFile());
  EXPECT_TRUE(package.contains("<mime-type type=\"application/x-strumbly\">")) << package.toStdString();
  EXPECT_TRUE(package.contains("<glob pattern=\"*.sly\"/>")) << package.toStdString();
  EXPECT_EQ(ReadText(mimeapps()),
            "[Default Applications]\ntext/html=firefox.desktop\napplication/x-strumbly=strumbly.desktop;\n\n"
            "[Added Associations]\nimage/png=gimp.desktop;\n");

  if (!QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
    EXPECT_TRUE(QFile::exists(folders.dataHome + "/mime/mime.cache"));
  }
  if (!QStandardPaths::findExecutable("desktop-file-validate").isEmpty()) {
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start("desktop-file-validate", {desktopFile()});
    ASSERT_TRUE(validate.waitForFinished(10000));
    EXPECT_EQ(validate.exitCode(), 0) << validate.readAll().toStdString();
  }
}

TEST_F(FileAssociationTest, AnAssociationAlreadyInPlaceIsLeftAlone) {
  const FileTypeInfo type = SongFileType("/usr/bin/strumbly");
  ASSERT_TRUE(WriteFileAssociation(type, folders));
  // The cache is only rebuilt when the type changes: a marker in its place
  // survives a second write.
  const QString cache = folders.dataHome + "/mime/mime.cache";
  WriteFile(cache, "marker");
  ASSERT_TRUE(WriteFileAssociation(type, folders));
  EXPECT_EQ(ReadText(cache), "marker");
  // Another program path rewrites the entry and keeps one default.
  ASSERT_TRUE(WriteFileAssociation(SongFileType("/opt/strumbly/strumbly"), folders));
  EXPECT_TRUE(ReadText(desktopFile()).contains("\nExec=/opt/strumbly/strumbly %f\n"));
  EXPECT_EQ(ReadText(mimeapps()), "[Default Applications]\napplication/x-strumbly=strumbly.desktop;\n");
}

TEST_F(FileAssociationTest, NothingIsWrittenWithoutExtensionOrProgram) {
  FileTypeInfo type = SongFileType("");
  EXPECT_FALSE(WriteFileAssociation(type, folders));
  type = SongFileType("/usr/bin/strumbly");
  type.extension = "..";
  EXPECT_FALSE(WriteFileAssociation(type, folders));
  EXPECT_FALSE(QFile::exists(folders.dataHome));
  EXPECT_FALSE(QFile::exists(folders.configHome));
  // Any number of dots gives the one glob.
  type.extension = "sly";
  ASSERT_TRUE(WriteFileAssociation(type, folders));
  EXPECT_TRUE(ReadText(packageFile()).contains("<glob pattern=\"*.sly\"/>"));
}

TEST_F(FileAssociationTest, FailuresNameTheFolderOrFileAndKeepWhatWasWritten) {
  const FileTypeInfo type = SongFileType("/usr/bin/strumbly");
  // A file where the data folder should be: no folder can be made there.
  WriteFile(dir.filePath("data"), "not a folder");
  EXPECT_EQ(CommandErrorOf([&] { WriteFileAssociation(type, folders); }),
            "Failed to create key " + folders.dataHome + "/mime/packages");
  ASSERT_TRUE(QFile::remove(dir.filePath("data")));

  // A folder where mimeapps.list should be: it cannot be read or written.
  ASSERT_TRUE(QDir().mkpath(mimeapps()));
  EXPECT_EQ(CommandErrorOf([&] { WriteFileAssociation(type, folders); }),
            "Failed to set data for '" + mimeapps() + "'");
  EXPECT_TRUE(QFile::exists(packageFile()));
  EXPECT_TRUE(QFile::exists(desktopFile()));
}

// The desktop's own look-ups agree: Qt's MIME database maps a song file to
// the type, and GIO (where installed) names the entry as its default.
TEST_F(FileAssociationTest, TheDesktopOpensSongFilesWithTheProgram) {
  EnvironmentScope data("XDG_DATA_HOME", folders.dataHome);
  EnvironmentScope config("XDG_CONFIG_HOME", folders.configHome);
  ASSERT_EQ(UserAssociationFolders().dataHome, folders.dataHome);
  // GIO only lists entries whose program exists: this test program stands in.
  ASSERT_NO_THROW(AssociateSongFiles(QCoreApplication::applicationFilePath()));

  // Qt rereads its MIME folders every few seconds at most.
  QMimeDatabase mime;
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        return mime.mimeTypeForFile("My Song.SLY", QMimeDatabase::MatchExtension).name() == "application/x-strumbly";
      },
      8000))
      << mime.mimeTypeForFile("My Song.sly", QMimeDatabase::MatchExtension).name().toStdString();
  EXPECT_TRUE(mime.mimeTypeForName("application/x-strumbly").inherits("text/plain"));

  const QString gio = QStandardPaths::findExecutable("gio");
  if (gio.isEmpty()) GTEST_SKIP() << "gio is not installed";
  QProcess query;
  query.setProcessChannelMode(QProcess::MergedChannels);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("LC_ALL", "C");
  query.setProcessEnvironment(environment);
  query.start(gio, {"mime", "application/x-strumbly"});
  ASSERT_TRUE(query.waitForFinished(10000));
  const QString answer = QString::fromUtf8(query.readAll());
  const QString defaultLine = answer.split('\n').value(0);
  EXPECT_TRUE(defaultLine.startsWith("Default application")) << answer.toStdString();
  EXPECT_TRUE(defaultLine.endsWith(": strumbly.desktop")) << answer.toStdString();
}
