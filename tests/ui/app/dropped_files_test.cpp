#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include "core/app/recent_files.h"
#include "support/sound_window_fixture.h"
#include "support/test_files.h"
#include "ui/app/dropped_files.h"

using namespace strumbly;
using strumbly::test::kCMajor;
using strumbly::test::SoundWindowTest;

namespace {

class DroppedFilesTest : public SoundWindowTest {
 protected:
  QString MakeSong(const QString& name, const char* line = "Am, x, 0, 2, 2, 1, 0, Q") {
    return test::WriteSongFile(dir.filePath(name), line);
  }
  // Drops the files on the widget as the file manager does, and lets the
  // window handle the drop. True when the widget took the drag.
  bool Drop(QWidget* target, const QStringList& paths) {
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QApplication::processEvents();
    return enter.isAccepted();
  }
  QWidget* Editor() const { return window->RichEdit1->viewport(); }
};

}  // namespace

TEST_F(DroppedFilesTest, TheFirstDroppedSongOpensAndHeadsTheRecentList) {
  const QString first = MakeSong("first.sly"), second = MakeSong("second.sly", kCMajor);
  EXPECT_TRUE(Drop(Editor(), {first, second}));
  EXPECT_TRUE(dialogs->messages.empty()) << dialogs->texts().join("|").toStdString();
  EXPECT_EQ(Q(window->song().FileName()), first);
  EXPECT_EQ(window->lblFilename->text(), "first.sly");
  // The file opened; its path did not go into the text as a paste would.
  EXPECT_EQ(window->sheet().Lines(), QStringList({"Am, x, 0, 2, 2, 1, 0, Q"}));
  EXPECT_EQ(window->lblChordName->text(), "Am");
  EXPECT_FALSE(window->song().Modified());
  EXPECT_EQ(window->settings().RecentFiles[0], S(first));

  // Dropped on a button, the window takes it; the extension's case does not matter.
  const QString upper = MakeSong("LOUD.SLY", kCMajor);
  Drop(window->btnPlay, {upper});
  EXPECT_EQ(Q(window->song().FileName()), upper);
  EXPECT_EQ(RecentFiles(window->settings()), (std::array<std::string, 3>{S(upper), S(first), ""}));
}

TEST_F(DroppedFilesTest, OtherFilesFoldersAndPlainTextAreLeftAlone) {
  SetText(kCMajor);
  window->song().SetModified(false);
  const QString notes = dir.filePath("notes.txt");
  QFile(MakeSong("song.sly")).copy(notes);
  QDir(dir.path()).mkdir("folder.sly");
  EXPECT_FALSE(Drop(Editor(), {notes, MakeSong("song.sly")}));  // only the first counts
  EXPECT_FALSE(Drop(Editor(), {dir.filePath("folder.sly")}));
  EXPECT_FALSE(Drop(Editor(), {dir.filePath("gone.sly")}));
  EXPECT_TRUE(dialogs->messages.empty());
  EXPECT_EQ(window->song().FileName(), "Untitled.sly");
  EXPECT_EQ(window->sheet().Lines(), QStringList({kCMajor}));
  EXPECT_TRUE(window->settings().RecentFiles[0].empty());

  // Text dragged about the editor is still the editor's own business.
  QMimeData text;
  text.setText("G, 3, 2, 0, 0, 0, 3, Q");
  QDragEnterEvent enter(Editor()->rect().center(), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(Editor(), &enter);
  EXPECT_TRUE(enter.isAccepted());
}

TEST_F(DroppedFilesTest, APathOfAnyLengthOpens) {
  QString folder = "songs";
  while (folder.size() < 200) folder += "/a longer folder name";
  const QString path = MakeSong(folder + "/deep.sly");
  ASSERT_GT(path.size(), 200);
  Drop(Editor(), {path});
  EXPECT_EQ(Q(window->song().FileName()), path);
}

TEST_F(DroppedFilesTest, AModifiedSongIsOfferedForSavingFirst) {
  const QString song = MakeSong("song.sly");
  SetText(kCMajor);
  dialogs->messageAnswers.push_back(MessageResult::Cancel);
  Drop(Editor(), {song});
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(window->sheet().Lines(), QStringList({kCMajor}));
  EXPECT_TRUE(window->song().Modified());

  dialogs->messageAnswers.push_back(MessageResult::No);
  Drop(Editor(), {song});
  EXPECT_EQ(Q(window->song().FileName()), song);
}

TEST_F(DroppedFilesTest, NothingOpensWhileASongPlays) {
  const QString song = MakeSong("song.sly");
  SetSong({kCMajor, kCMajor, kCMajor, kCMajor}, 120);
  window->song().SetModified(true);
  bool dropped = false;
  After(100, [&] {
    ASSERT_TRUE(window->IsPlaying());
    Drop(Editor(), {song});
    dropped = true;
    window->player().PlayOrStop();
  });
  test::PlayToEnd(window->player());
  EXPECT_TRUE(dropped);
  // Not even the save question.
  EXPECT_TRUE(dialogs->messages.empty()) << dialogs->texts().join("|").toStdString();
  EXPECT_EQ(window->song().FileName(), "Untitled.sly");
  EXPECT_EQ(window->sheet().LineCount(), 4);
  EXPECT_TRUE(window->settings().RecentFiles[0].empty());
}
