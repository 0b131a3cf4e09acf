#pragma once
// The seven note-value buttons of the edit controls, whole note first: their
// control names, the duration letter each writes, the note drawn on it and
// its hint. Building, picturing and the duration command all read this one
// table.
#include <array>

#include "ui/chordsheet/note_pictures.h"

namespace strumbly {

struct NoteValueButton {
  const char* name;
  char letter;
  NoteValue value;
  const char* hint;
};

inline constexpr std::array<NoteValueButton, kNoteValueCount> kNoteValueButtons = {{
    {"btnWholeNote", 'W', NoteValue::Whole, "Whole note duration for chord."},
    {"btnHalfNote", 'H', NoteValue::Half, "Half note duration for chord."},
    {"btnQuarterNote", 'Q', NoteValue::Quarter, "Quarter note duration for chord."},
    {"btnEighthNote", 'E', NoteValue::Eighth, "Eighth note duration for chord."},
    {"btnSixteenthNote", 'S', NoteValue::Sixteenth, "Sixteenth note duration for chord."},
    {"btnThirtySecondNote", 'T', NoteValue::ThirtySecond, "Thirty-second note duration for chord."},
    {"btnSixtyFourthNote", 'F', NoteValue::SixtyFourth, "Sixty-fourth note duration for chord."},
}};

}  // namespace strumbly
