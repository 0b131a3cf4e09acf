#include "core/app/options_values.h"

#include <charconv>

namespace strumbly {

std::vector<std::string> ChannelTexts() {
  std::vector<std::string> texts;
  for (int channel = 1; channel <= 16; ++channel) {
    std::string text = (channel < 11 ? " " : "") + std::to_string(channel);
    if (channel == 1) text += " (Default)";
    if (channel == 10) text += " (Drums)";
    texts.push_back(std::move(text));
  }
  return texts;
}

std::vector<std::string> DeviceTexts(int count, const std::function<std::string(int id)>& name) {
  std::vector<std::string> texts;
  if (count <= 0) return texts;
  texts.push_back(name(-1) + " (Default)");
  for (int id = 0; id < count; ++id) texts.push_back(name(id));
  return texts;
}

int MarkerShapeItem(int shapeCode) { return shapeCode > 1 ? shapeCode - 2 : shapeCode; }

int MarkerShapeCodeOfItem(int item) { return item > 1 ? item + 2 : item; }

int OctaveItem(int octave) {
  switch (octave) {
    case -12:
      return 0;
    case 0:
      return 1;
    case 12:
      return 2;
    default:
      return -1;
  }
}

std::optional<int> OctaveOfItem(int item) {
  switch (item) {
    case 0:
      return -12;
    case 1:
      return 0;
    case 2:
      return 12;
    default:
      return std::nullopt;
  }
}

std::array<int, 6> TuningItemsOfTag(TuningTag tag) {
  std::array<int, 6> items{};
  const std::array<int, 6> digits = TuningDigits(tag);
  for (std::size_t i = 0; i < items.size(); ++i) items[i] = digits[i] - 1;
  return items;
}

TuningTag TuningTagOfItems(const std::array<int, 6>& items) {
  TuningTag tag = 0;
  for (int item : items) {
    const int digit = item >= 0 && item <= 8 ? item + 1 : 5;
    tag = tag * 10 + digit;
  }
  return tag;
}

std::optional<int> PatchNumberOfText(const std::string& text) {
  std::string_view head(text);
  head = head.substr(0, 4);
  while (!head.empty() && head.front() == ' ') head.remove_prefix(1);
  while (!head.empty() && head.back() == ' ') head.remove_suffix(1);
  int number = 0;
  const auto [end, error] = std::from_chars(head.data(), head.data() + head.size(), number);
  if (error != std::errc() || end != head.data() + head.size() || head.empty()) return std::nullopt;
  return number;
}

}  // namespace strumbly
