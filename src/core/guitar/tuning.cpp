#include "core/guitar/tuning.h"

#include <algorithm>

#include "core/chordsheet/chord_line.h"
#include "core/chordsheet/text.h"

namespace strumbly {

const std::array<std::array<const char*, 6>, 10> TuningNoteTable = {{
    // string 1, 2, 3, 4, 5, 6
    {"?", "?", "?", "?", "?", "?"},
    {"C", "G", "D#", "A#", "F", "C"},
    {"C#", "G#", "E", "B", "F#", "C#"},
    {"D", "A", "F", "C", "G", "D"},
    {"D#", "A#", "F#", "C#", "G#", "D#"},
    {"E", "B", "G", "D", "A", "E"},
    {"F", "C", "G#", "D#", "A#", "F"},
    {"F#", "C#", "A", "E", "B", "F#"},
    {"G", "D", "A#", "F", "C", "G"},
    {"G#", "D#", "B", "F#", "C#", "G#"},
}};

bool IsReadableTuningTag(TuningTag tag) { return tag >= 100000; }

TuningTag NormalizeTuningTag(TuningTag tag) { return IsReadableTuningTag(tag) ? tag : kStandardTuningTag; }

std::array<int, 6> TuningDigits(TuningTag tag) {
  const std::string text = std::to_string(NormalizeTuningTag(tag));
  std::array<int, 6> digits{};
  for (std::size_t i = 0; i < 6; ++i) digits[i] = text[i] - '0';
  return digits;
}

StringOffsets TuningOffsets(TuningTag tag) {
  const auto digits = TuningDigits(tag);
  StringOffsets offsets{};
  for (std::size_t i = 0; i < 6; ++i) offsets[5 - i] = digits[i] - 5;
  return offsets;
}

TuningTag TuningTagOf(const StringOffsets& offsets) {
  TuningTag tag = 0;
  for (std::size_t i = 6; i-- > 0;) tag = tag * 10 + std::clamp(offsets[i], -5, 4) + 5;
  return tag;
}

std::string BuildCustomTuningCaption(TuningTag tag) {
  const auto digits = TuningDigits(tag);
  std::string caption = "&Custom Tuning -";
  for (std::size_t i = 0; i < 6; ++i) {
    caption += ' ';
    caption += TuningNoteName(digits[i], static_cast<int>(5 - i));
  }
  return caption;
}

const TuningPreset* FindTuningPreset(TuningTag tag) {
  tag = NormalizeTuningTag(tag);
  for (const TuningPreset& preset : kTuningPresets)
    if (preset.tag == tag) return &preset;
  return nullptr;
}

std::string TuningCaption(TuningTag tag) {
  if (const TuningPreset* preset = FindTuningPreset(tag)) return preset->caption;
  return BuildCustomTuningCaption(NormalizeTuningTag(tag));
}

std::string TuningStatusText(std::string_view caption) {
  const auto amp = caption.find('&');
  if (amp == std::string_view::npos) return std::string(PrefixChars(caption, 100));
  std::string text(caption.substr(0, amp));
  text += PrefixChars(caption.substr(amp + 1), 100);
  return text;
}

int SoundingPitch(std::uint8_t pitch, int offset) { return pitch == SilentPitch ? SilentPitch : pitch + offset; }

std::array<int, 6> SoundingPitches(const std::array<std::uint8_t, 6>& pitches, const StringOffsets& offsets) {
  std::array<int, 6> out{};
  for (std::size_t i = 0; i < 6; ++i) out[i] = SoundingPitch(pitches[i], offsets[i]);
  return out;
}

}  // namespace strumbly
