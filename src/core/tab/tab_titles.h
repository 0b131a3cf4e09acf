#pragma once
// The titles printed on tablature and the names of the files made from a
// song.
#include <string>
#include <string_view>
#include <vector>

#include "core/guitar/tuning.h"

namespace strumbly {

// The text after the last "TITLE:" (or "SUB:") found in a comment line, in
// any letter case, trimmed; empty when no comment line holds one.
std::string FindTabTitle(const std::vector<std::string>& lines);
std::string FindTabSubtitle(const std::vector<std::string>& lines);

struct TabTitles {
  std::string title;
  std::string subtitle;
};

// The titles without the prompt: the searches, and the song's file name
// (without folder and extension) when no title was found.
TabTitles SearchedTabTitles(const std::vector<std::string>& lines, std::string_view songFileName);

// The path with everything from the last "." of its file name replaced by
// the extension; a name without "." gets the extension appended.
std::string WithExtension(std::string_view path, std::string_view extension);

// The tuning as the status bar names it ("Standard Tuning - E A D G B E").
std::string TuningPanelText(TuningTag tag);

// The tuning line of the tablature heading: the status bar's text, followed
// by ", Capo N" when the song has a capo. Fret numbers stay as written.
std::string TabTuningHeading(TuningTag tag, int capo);

}  // namespace strumbly
