#include "core/chordsheet/chord_line.h"

#include <algorithm>

#include "core/chordsheet/integer_text.h"
#include "core/chordsheet/text.h"

namespace strumbly {

bool IsCommentLine(std::string_view text) { return !IsBlank(text) && text.front() == '*'; }

std::int32_t DurationValue(std::string_view code, std::int32_t whole) {
  bool dotted = false;
  if (code.size() == 2 && code[0] == '.') {
    dotted = true;
    code.remove_prefix(1);
  }
  if (code.size() != 1) return 0;
  int divisor;
  switch (code[0]) {
    case 'W':
    case 'w':
      divisor = 1;
      break;
    case 'H':
    case 'h':
      divisor = 2;
      break;
    case 'Q':
    case 'q':
      divisor = 4;
      break;
    case 'E':
    case 'e':
      divisor = 8;
      break;
    case 'S':
    case 's':
      divisor = 16;
      break;
    case 'T':
    case 't':
      divisor = 32;
      break;
    case 'F':
    case 'f':
      divisor = 64;
      break;
    default:
      return 0;
  }
  const std::int32_t plain = whole / divisor;
  return dotted ? plain + plain / 2 : plain;
}

namespace {

std::string Prefix(int lineIndex) { return "Line " + std::to_string(static_cast<long long>(lineIndex) + 1) + "    "; }

std::string FretMessage(int lineIndex, const char* fretWord, int i, std::string_view token, const std::string& tail) {
  std::string m = Prefix(lineIndex);
  m += fretWord;
  m += StringNames[static_cast<std::size_t>(i)];
  m += " string (\"";
  m.append(token);
  m += "\")";
  m += tail;
  return m;
}

}  // namespace

std::string ParseChordText(std::string_view text, int lineIndex, ChordRecord& record) {
  record.Name.clear();
  record.Duration.clear();
  record.Frets.fill(NotPlayed);
  record.Pitches.fill(SilentPitch);

  if (IsCommentLine(text)) {
    record.Name.assign(PrefixChars(text, kMaxCommentChars));
    return {};
  }
  if (IsBlank(text)) {
    record.Name = " ";
    return {};
  }

  const auto commas = std::count(text.begin(), text.end(), ',');
  if (commas < 7) return Prefix(lineIndex) + "Not enough commas.";
  if (commas > 7) return Prefix(lineIndex) + "Too many commas.";

  std::string_view rest = text;
  auto takeField = [&rest]() {
    const auto comma = rest.find(',');
    std::string_view field = Trim(rest.substr(0, comma));
    rest.remove_prefix(comma + 1);
    return field;
  };

  // Cut to its length, the name may end in blanks that the field's own
  // trimming kept; they go too, or the name written back would read
  // differently (a "5" followed by blanks and more text is no number, "5" is).
  record.Name.assign(Trim(PrefixChars(takeField(), kMaxNameChars)));
  if (IsBlank(record.Name)) return Prefix(lineIndex) + "Chord name required.";
  if (ReadChordInteger(record.Name)) return Prefix(lineIndex) + "Number not allowed for chord name.";

  for (int i = 5; i >= 0; --i) {
    const std::string_view token = takeField();
    std::int32_t fret;
    if (token.size() == 1 && (token[0] == 'x' || token[0] == 'X')) {
      fret = NotPlayed;
    } else {
      const auto value = ReadChordInteger(token);
      if (!value) return FretMessage(lineIndex, "Fret number for ", i, token, " not a number.");
      fret = *value;
    }
    const auto s = static_cast<std::size_t>(i);
    record.Frets[s] = fret;
    if (fret < NotPlayed) return FretMessage(lineIndex, "Fret number for ", i, token, " must be higher than -2.");
    if (fret > MaxFret)
      return FretMessage(lineIndex, "Fret Number for ", i, token,
                         " must be lower than " + std::to_string(MaxFret + 1) + ".");
    record.Pitches[s] = StandardPitch(i, fret);
  }

  record.Duration.assign(PrefixChars(Trim(rest), 5));
  if (DurationValue(record.Duration, 1000) == 0)
    return Prefix(lineIndex) + "\"" + record.Duration + "\" invalid. (W)hole,(H)alf,Q,E,S,T,F";
  record.Duration.assign(PrefixChars(record.Duration, 4));
  return {};
}

RecordKind KindOf(const ChordRecord& record, const std::string& error) {
  if (!error.empty()) return RecordKind::Bad;
  if (IsCommentLine(record.Name)) return RecordKind::Comment;
  if (IsBlank(record.Name)) return RecordKind::Blank;
  return RecordKind::Chord;
}

std::string FormatChordLine(const ChordRecord& record) {
  std::string line = record.Name;
  line += ", ";
  for (int i = 5; i >= 0; --i) {
    const auto fret = record.Frets[static_cast<std::size_t>(i)];
    if (fret == NotPlayed)
      line += "x, ";
    else {
      line += std::to_string(fret);
      line += ", ";
    }
  }
  line += record.Duration;
  return line;
}

}  // namespace strumbly
