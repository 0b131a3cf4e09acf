#include "core/sound/patch_names.h"

#include <gtest/gtest.h>

using strumbly::PatchName;

TEST(PatchNames, NumberedAndAligned) {
  EXPECT_EQ(PatchName(0), "  1 Acoustic Grand");
  EXPECT_EQ(PatchName(9), " 10 Glockenspiel");
  EXPECT_EQ(PatchName(25), " 26 Acoustic Guitar(steel)");
  EXPECT_EQ(PatchName(40), " 41 Violin");
  EXPECT_EQ(PatchName(127), "128 Gunshot");
  EXPECT_EQ(PatchName(128), "");
  EXPECT_EQ(PatchName(-1), "");
  for (int p = 0; p < 128; ++p) EXPECT_GT(PatchName(p).size(), 4u) << p;
}
