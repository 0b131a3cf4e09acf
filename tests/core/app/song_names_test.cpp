#include "core/app/song_names.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace strumbly;

TEST(SongNames, ExtensionIsReplacedBySly) {
  EXPECT_EQ(WithSongExtension("/home/a/song.txt"), "/home/a/song.sly");
  EXPECT_EQ(WithSongExtension("/home/a/song"), "/home/a/song.sly");
  EXPECT_EQ(WithSongExtension("/home/a/SONG.SLY"), "/home/a/SONG.sly");
  EXPECT_EQ(WithSongExtension("/home/a/my.song.txt"), "/home/a/my.song.sly");
  // A dot in a folder name or at the start of a name begins no extension.
  EXPECT_EQ(WithSongExtension("/home/v1.2/song"), "/home/v1.2/song.sly");
  EXPECT_EQ(WithSongExtension("/home/a/.songs"), "/home/a/.songs.sly");
  EXPECT_EQ(WithSongExtension("Untitled"), "Untitled.sly");
}

TEST(SongNames, FoldersAndNames) {
  EXPECT_EQ(FolderOf("/home/a/song.sly"), "/home/a");
  EXPECT_EQ(FolderOf("/song.sly"), "/");
  EXPECT_EQ(FolderOf("Untitled.sly"), "");
  EXPECT_EQ(FileNameOf("/home/a/song.sly"), "song.sly");
  EXPECT_EQ(TitleOf("/home/a/Blue Moon.sly"), "Blue Moon");
  EXPECT_EQ(TitleOf("/home/a/.songs"), ".songs");
}

TEST(SongNames, DictionaryAndSongFilesInAnyCase) {
  EXPECT_TRUE(IsDictionaryFile("/opt/strumbly/CHORDS.DCT"));
  EXPECT_TRUE(IsDictionaryFile("/opt/strumbly/chords.dct"));
  EXPECT_TRUE(IsDictionaryFile("Chords.Dct"));
  EXPECT_FALSE(IsDictionaryFile("/opt/CHORDS.DCT/song.sly"));
  EXPECT_FALSE(IsDictionaryFile("/opt/xCHORDS.DCT"));
  EXPECT_TRUE(HasSongExtension("/a/b.SLY"));
  EXPECT_TRUE(HasSongExtension("/a/b.Sly"));
  EXPECT_FALSE(HasSongExtension("/a/b.slyx"));
  EXPECT_FALSE(HasSongExtension("/a/sly"));
}

TEST(SongNames, MessagesAsTheUserReadsThem) {
  EXPECT_EQ(SaveQuestion("/home/a/Blues.sly"), " Save changes to \"Blues.sly\"?");
  EXPECT_EQ(SaveQuestion("Untitled.sly"), " Save changes to \"Untitled.sly\"?");
  EXPECT_EQ(DoesNotExistMessage("/home/a/x.sly"), "/home/a/x.sly doesn't exist!");
  EXPECT_EQ(TooLargeMessage("/a/big.sly", 70 * 1024 * 1024),
            "Cannot open file /a/big.sly: it holds 70 MB, and songs can be at most 64 MB.");
}

TEST(SongNames, FileErrorTexts) {
  EXPECT_EQ(FileErrorText(ENOSPC), "Disk full");
  EXPECT_EQ(FileErrorText(EACCES), "File access denied");
  EXPECT_EQ(FileErrorText(EROFS), "File access denied");
  EXPECT_EQ(FileErrorText(ENOENT), "File not found");
  EXPECT_EQ(FileErrorText(EMFILE), "Too many open files");
  EXPECT_EQ(FileErrorText(ENAMETOOLONG), "Invalid filename");
  EXPECT_EQ(FileErrorText(EIO), "I/O error " + std::to_string(EIO));
}
