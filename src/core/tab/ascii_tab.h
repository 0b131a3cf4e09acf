#pragma once
// ASCII tablature: the text the tablature window shows in its text box and
// saves as a .tab file.
#include <string>
#include <vector>

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

// The .tab file: every line followed by CR LF.
std::string AsciiTabFileText(const std::vector<std::string>& lines);

// A line of the heading: the text preceded by 40 - (its length div 2) blanks.
std::string CentredTabLine(const std::string& text);

}  // namespace strumbly
