#pragma once
// What the settings dialog shows for the stored options, and how a choice in
// its lists turns back into a stored value.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/guitar/tuning.h"

namespace strumbly {

// The sixteen entries of the channel list: " 1 (Default)", " 2" .. " 9",
// " 10 (Drums)", "11" .. "16". Position p is the stored channel p.
std::vector<std::string> ChannelTexts();

// The device list: with devices, the default device's name followed by
// " (Default)", then each device by number; empty without devices. Position
// p stands for the stored device p - 1.
std::vector<std::string> DeviceTexts(int count, const std::function<std::string(int id)>& name);

// Marker shape codes 0, 1, 4, 5 are the items 0 to 3 of the shape list
// (rectangle, square, ellipse, circle).
int MarkerShapeItem(int shapeCode);
int MarkerShapeCodeOfItem(int item);

// The octave list: -12, 0 and 12 are its items 0 to 2; any other shift
// selects no item (-1), and no item keeps the stored shift.
int OctaveItem(int octave);
std::optional<int> OctaveOfItem(int item);

// The six tuning lists, string 6 first: list i shows the note of digit d of
// the tag as its item d - 1. A digit 0 has no note and selects no item (-1).
std::array<int, 6> TuningItemsOfTag(TuningTag tag);
// The tag of the lists' items, string 6 first. A list without a selection
// counts as standard pitch, so the tag always reads as six digits.
TuningTag TuningTagOfItems(const std::array<int, 6>& items);

// The General MIDI number (1 to 128) at the head of an instrument list text
// such as " 41 Violin": the integer in its first four characters.
std::optional<int> PatchNumberOfText(const std::string& text);

}  // namespace strumbly
