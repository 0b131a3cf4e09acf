// A song named on the command line that cannot be opened is reported.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

#include "support/main_window_fixture.h"

using namespace strumbly;
using strumbly::test::MainWindowTest;

TEST_F(MainWindowTest, SongArgumentsThatCannotBeOpenedAreReported) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.sly"));
  const QString fifo = dir.filePath("pipe.sly");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  for (const QString& name : {dir.filePath("missing.sly"), dir.filePath("folder.sly"), fifo}) {
    SCOPED_TRACE(name.toStdString());
    dialogs->messages.clear();
    TfrmMain& w = Start({name});
    QTest::qWait(1);  // the box comes once the window is up
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs->messages[0].text, "Cannot open file " + name);
    EXPECT_EQ(w.lblFilename->text(), "Untitled.sly");
    EXPECT_TRUE(w.song().IsUntitled());
  }
}

TEST_F(MainWindowTest, ASongArgumentSplitAtBlanksOpens) {
  const QString path = dir.filePath("my song.sly");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("C, x, 3, 2, 0, 1, 0, Q\r\n");
  f.close();
  TfrmMain& w = Start({dir.filePath("my"), "song.sly"});
  QTest::qWait(1);
  EXPECT_TRUE(dialogs->messages.empty());
  EXPECT_EQ(Q(w.song().FileName()), path);
  EXPECT_EQ(w.lblFilename->text(), "my song.sly");
  EXPECT_FALSE(w.song().Modified());
  // Other files are left alone, as before.
  TfrmMain& other = Start({dir.filePath("Strumbly.conf")});
  QTest::qWait(1);
  EXPECT_TRUE(dialogs->messages.empty());
  EXPECT_TRUE(other.song().IsUntitled());
}
