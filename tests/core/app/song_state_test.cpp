#include "core/app/song_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace strumbly {
namespace {

TEST(SongState, EveryListenerHearsTheAdoptedName) {
  SongState song;
  EXPECT_TRUE(song.IsUntitled());
  std::vector<std::string> heardA, heardB;
  song.OnFileNameAdopted([&](const std::string& p, NameSource) { heardA.push_back(p); });
  song.OnFileNameAdopted([&](const std::string& p, NameSource s) {
    if (s == NameSource::Opened) heardB.push_back(p);
  });
  song.AdoptFileName("/songs/Blues.sly", NameSource::Opened);
  EXPECT_EQ(song.FileName(), "/songs/Blues.sly");
  EXPECT_FALSE(song.IsUntitled());
  song.Reset();
  EXPECT_TRUE(song.IsUntitled());
  EXPECT_EQ(heardA, (std::vector<std::string>{"/songs/Blues.sly", "Untitled.sly"}));
  EXPECT_EQ(heardB, (std::vector<std::string>{"/songs/Blues.sly"}));
}

TEST(SongState, TuningKeepsItsOffsetsAndUnreadableTagsAreStandard) {
  SongState song;
  std::vector<TuningTag> heard;
  song.OnTuningChanged([&](TuningTag t) { heard.push_back(t); });
  song.SetTuning(355433);
  EXPECT_EQ(song.Offsets(), (StringOffsets{-2, -2, -1, 0, 0, -2}));
  song.SetTuning(-12);
  EXPECT_EQ(song.Tuning(), kStandardTuningTag);
  EXPECT_EQ(song.Offsets(), (StringOffsets{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(heard, (std::vector<TuningTag>{355433, kStandardTuningTag}));
}

TEST(SongState, ResetGivesTheNewSongDefaultsAndNothingToSave) {
  SongState song;
  std::vector<int> patches;
  song.OnPatchChanged([&](std::uint8_t p) { patches.push_back(p); });
  song.AdoptFileName("/a/b.sly", NameSource::Saved);
  song.SetPatch(30);
  song.SetTuning(335553);
  song.SetCurrentDuration(" .E");
  song.SetTempo(200);
  song.SetModified(true);
  song.Reset();
  EXPECT_EQ(song.Tempo(), kDefaultTempo);
  EXPECT_EQ(song.FileName(), kUntitledName);
  EXPECT_EQ(song.Patch(), kDefaultPatch);
  EXPECT_EQ(song.Tuning(), kStandardTuningTag);
  EXPECT_EQ(song.CurrentDuration(), " Q");
  EXPECT_FALSE(song.Modified());
  EXPECT_EQ(patches, (std::vector<int>{30, kDefaultPatch}));
}

TEST(SongState, TempoStaysInRangeAndListenersHearChangesOnly) {
  SongState song;
  std::vector<int> heard;
  song.OnTempoChanged([&](int bpm) { heard.push_back(bpm); });
  song.SetTempo(kDefaultTempo);
  song.SetTempo(90);
  song.SetTempo(90);
  song.SetTempo(0);
  song.SetTempo(9000);
  EXPECT_EQ(song.Tempo(), 500);
  EXPECT_EQ(heard, (std::vector<int>{90, 1, 500}));
}

}  // namespace
}  // namespace strumbly
