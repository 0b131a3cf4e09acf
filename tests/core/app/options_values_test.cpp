#include "core/app/options_values.h"

#include <gtest/gtest.h>

namespace strumbly {
namespace {

TEST(OptionsValues, ChannelTextsMarkTheDefaultAndTheDrums) {
  const auto texts = ChannelTexts();
  ASSERT_EQ(texts.size(), 16u);
  EXPECT_EQ(texts[0], " 1 (Default)");
  EXPECT_EQ(texts[1], " 2");
  EXPECT_EQ(texts[8], " 9");
  EXPECT_EQ(texts[9], " 10 (Drums)");
  EXPECT_EQ(texts[10], "11");
  EXPECT_EQ(texts[15], "16");
}

TEST(OptionsValues, DeviceTextsStartWithTheDefaultDevice) {
  const auto name = [](int id) { return id == -1 ? std::string("Mapper") : "Port " + std::to_string(id); };
  EXPECT_EQ(DeviceTexts(2, name), (std::vector<std::string>{"Mapper (Default)", "Port 0", "Port 1"}));
  EXPECT_TRUE(DeviceTexts(0, name).empty());
  EXPECT_TRUE(DeviceTexts(-3, name).empty());
}

TEST(OptionsValues, MarkerShapesMapToTheirItemsBothWays) {
  const int codes[] = {0, 1, 4, 5};
  for (int item = 0; item < 4; ++item) {
    EXPECT_EQ(MarkerShapeCodeOfItem(item), codes[item]);
    EXPECT_EQ(MarkerShapeItem(codes[item]), item);
  }
}

TEST(OptionsValues, OnlyTheThreeOctaveShiftsHaveItems) {
  EXPECT_EQ(OctaveItem(-12), 0);
  EXPECT_EQ(OctaveItem(0), 1);
  EXPECT_EQ(OctaveItem(12), 2);
  EXPECT_EQ(OctaveItem(7), -1);
  EXPECT_EQ(OctaveOfItem(0), -12);
  EXPECT_EQ(OctaveOfItem(1), 0);
  EXPECT_EQ(OctaveOfItem(2), 12);
  EXPECT_EQ(OctaveOfItem(-1), std::nullopt);
}

TEST(OptionsValues, TuningListsReadAndWriteTheTagsDigits) {
  EXPECT_EQ(TuningItemsOfTag(133565), (std::array<int, 6>{0, 2, 2, 4, 5, 4}));
  EXPECT_EQ(TuningTagOfItems({2, 4, 4, 4, 4, 4}), 355555);
  EXPECT_EQ(TuningTagOfItems(TuningItemsOfTag(987654)), 987654);
  // A digit 0 has no note; an empty list counts as standard pitch.
  EXPECT_EQ(TuningItemsOfTag(505555)[1], -1);
  EXPECT_EQ(TuningTagOfItems({-1, 0, 8, 4, 4, -1}), 519555);
  // A tag that does not read as six digits is standard tuning.
  EXPECT_EQ(TuningItemsOfTag(42), (std::array<int, 6>{4, 4, 4, 4, 4, 4}));
}

TEST(OptionsValues, PatchNumbersComeFromTheFirstFourCharacters) {
  EXPECT_EQ(PatchNumberOfText("  1 Acoustic Grand"), 1);
  EXPECT_EQ(PatchNumberOfText(" 41 Violin"), 41);
  EXPECT_EQ(PatchNumberOfText("128 Gunshot"), 128);
  EXPECT_EQ(PatchNumberOfText(""), std::nullopt);
  EXPECT_EQ(PatchNumberOfText("Violin"), std::nullopt);
}

}  // namespace
}  // namespace strumbly
