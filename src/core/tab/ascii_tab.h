#pragma once
// ASCII tablature: the text the tablature window shows in its text box and
// saves as a .tab file.
#include <string>
#include <vector>

#include "core/guitar/tuning.h"
#include "core/tab/tab_layout.h"

namespace strumbly {

inline constexpr const char* kTruncationWarning =
    "Truncation Warning: Tabulature is missing notes because there were not enough blank lines separating chords.";
inline constexpr const char* kTabFilter = "Tab files (*.tab)|*.tab|All Files (*.*)|*.*";

// Hyphens between the cells of a bar whose chords + 1 is n (at most 16).
inline int BarDash(int n) { return (38 - n) / (n + 1); }

// The lines of the text box: the header (an empty line, the tuning, an empty
// line, the centred title and subtitle, an empty line), six rows and two
// empty lines for every row of two bars, and a closing empty line.
std::vector<std::string> AsciiTabLines(const TabLayout& layout, const std::string& tuningText, const std::string& title,
                                       const std::string& subtitle);

// What the ASCII tablature adds to its plain format. With names, every row
// starts with the string names ("e|" ... "E|", padded to one width) and has
// a line above it with the chord names, each starting at its column and
// standing only where the name changes, cut to the room before the next
// column.
struct AsciiTabOptions {
  bool names = false;
  TuningTag tuning = kStandardTuningTag;
};
std::vector<std::string> AsciiTabLines(const TabLayout& layout, const std::string& tuningText, const std::string& title,
                                       const std::string& subtitle, const AsciiTabOptions& options);

// The .tab file: every line followed by CR LF.
std::string AsciiTabFileText(const std::vector<std::string>& lines);

// A line of the heading: the text preceded by 40 - (its length div 2) blanks.
std::string CentredTabLine(const std::string& text);

}  // namespace strumbly
