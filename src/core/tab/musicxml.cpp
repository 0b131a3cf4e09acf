#include "core/tab/musicxml.h"

#include <algorithm>
#include <cctype>

#include "core/guitar/chord_naming.h"
#include "core/tab/xml_writer.h"

namespace strumbly {

namespace {

constexpr std::int32_t kWhole = 4 * kMusicXmlDivisions;

constexpr const char* kDoctype =
    "<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 Partwise//EN\" "
    "\"http://www.musicxml.org/dtds/partwise.dtd\">";

struct Step {
  const char* step;
  int alter;
};
constexpr Step kSteps[12] = {{"C", 0}, {"C", 1}, {"D", 0}, {"D", 1}, {"E", 0}, {"F", 0},
                             {"F", 1}, {"G", 0}, {"G", 1}, {"A", 0}, {"A", 1}, {"B", 0}};

std::string Str(int v) { return std::to_string(v); }

void Pitch(XmlWriter& w, int note) {
  const Step& s = kSteps[((note % 12) + 12) % 12];
  w.Open("pitch");
  w.Element("step", s.step);
  if (s.alter) w.Element("alter", Str(s.alter));
  w.Element("octave", Str(note / 12 - 1));
  w.Close();
}

const char* NoteType(std::string_view code) {
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(code.back())));
  switch (letter) {
    case 'W':
      return "whole";
    case 'H':
      return "half";
    case 'Q':
      return "quarter";
    case 'E':
      return "eighth";
    case 'S':
      return "16th";
    case 'T':
      return "32nd";
    default:
      return "64th";
  }
}

struct KindText {
  const char* value;
  int addDegree = 0;  // a degree added to the kind (add9, 7sus4)
  int addAlter = 0;
};

KindText HarmonyKind(ChordKind kind) {
  switch (kind) {
    case ChordKind::Major:
      return {"major"};
    case ChordKind::Minor:
      return {"minor"};
    case ChordKind::Seventh:
      return {"dominant"};
    case ChordKind::Major7:
      return {"major-seventh"};
    case ChordKind::Minor7:
      return {"minor-seventh"};
    case ChordKind::Sixth:
      return {"major-sixth"};
    case ChordKind::Minor6:
      return {"minor-sixth"};
    case ChordKind::Ninth:
      return {"dominant-ninth"};
    case ChordKind::Add9:
      return {"major", 9, 0};
    case ChordKind::Sus2:
      return {"suspended-second"};
    case ChordKind::Sus4:
      return {"suspended-fourth"};
    case ChordKind::Seventh4:
      return {"suspended-fourth", 7, -1};
    case ChordKind::Diminished:
      return {"diminished"};
    case ChordKind::Dim7:
      return {"diminished-seventh"};
    case ChordKind::HalfDim:
      return {"half-diminished"};
    case ChordKind::Augmented:
      return {"augmented"};
    case ChordKind::Power:
      return {"power"};
  }
  return {"major"};
}

// A note name as the chord name spells it: "Bb" -> B, -1.
std::pair<std::string, int> SpelledNote(std::string_view text) {
  std::string step(1, static_cast<char>(std::toupper(static_cast<unsigned char>(text[0]))));
  int alter = 0;
  if (text.size() > 1 && text[1] == '#') alter = 1;
  if (text.size() > 1 && text[1] == 'b') alter = -1;
  return {step, alter};
}

void Frame(XmlWriter& w, const Frets& frets) {
  if (IsRestShape(frets)) return;
  const int base = ShapeBaseFret(frets);
  int highest = base;
  for (const std::int32_t f : frets) highest = std::max(highest, static_cast<int>(f));
  w.Open("frame");
  w.Element("frame-strings", "6");
  w.Element("frame-frets", Str(std::max(4, highest - base + 1)));
  if (base > 1) w.Element("first-fret", Str(base));
  for (int i = 5; i >= 0; --i) {
    const std::int32_t f = frets[static_cast<std::size_t>(i)];
    if (f == NotPlayed) continue;
    w.Open("frame-note");
    w.Element("string", Str(i + 1));
    w.Element("fret", Str(f));
    w.Close();
  }
  w.Close();
}

// The chord symbol of a name that spells a chord, else the name as words.
void ChordSymbol(XmlWriter& w, const ChordRecord& r) {
  const std::optional<ChordSpelling> spelling = ParseChordName(r.Name);
  if (!spelling) {
    w.Open("direction", {{"placement", "above"}});
    w.Open("direction-type");
    w.Element("words", r.Name);
    w.Close();
    w.Close();
    return;
  }
  const std::string_view name = r.Name;
  const auto [rootStep, rootAlter] = SpelledNote(name);
  const KindText kind = HarmonyKind(spelling->kind);
  w.Open("harmony");
  w.Open("root");
  w.Element("root-step", rootStep);
  if (rootAlter) w.Element("root-alter", Str(rootAlter));
  w.Close();
  const std::size_t slash = name.rfind('/');
  const std::size_t suffixStart = 1 + (name.size() > 1 && (name[1] == '#' || name[1] == 'b') ? 1 : 0);
  const std::string_view suffix =
      name.substr(suffixStart, (slash == std::string_view::npos ? name.size() : slash) - suffixStart);
  w.Element("kind", kind.value, {{"text", std::string(suffix)}});
  if (spelling->bass && slash != std::string_view::npos && slash + 1 < name.size()) {
    const auto [bassStep, bassAlter] = SpelledNote(name.substr(slash + 1));
    w.Open("bass");
    w.Element("bass-step", bassStep);
    if (bassAlter) w.Element("bass-alter", Str(bassAlter));
    w.Close();
  }
  if (kind.addDegree) {
    w.Open("degree");
    w.Element("degree-value", Str(kind.addDegree));
    w.Element("degree-alter", Str(kind.addAlter));
    w.Element("degree-type", "add");
    w.Close();
  }
  Frame(w, r.Frets);
  w.Close();
}

void Notes(XmlWriter& w, const ChordRecord& r, const ExchangeSong& song, const StringOffsets& offsets) {
  const std::int32_t duration = DurationValue(r.Duration, kWhole);
  const bool dotted = r.Duration.front() == '.';
  const auto common = [&] {
    w.Element("duration", Str(duration));
    w.Element("voice", "1");
    w.Element("type", NoteType(r.Duration));
    if (dotted) w.Empty("dot");
  };
  if (IsRestShape(r.Frets)) {
    w.Open("note");
    w.Empty("rest");
    common();
    w.Close();
    return;
  }
  bool first = true;
  for (int i = 5; i >= 0; --i) {  // lowest string first
    const std::int32_t f = r.Frets[static_cast<std::size_t>(i)];
    if (f == NotPlayed) continue;
    w.Open("note");
    if (!first) w.Empty("chord");
    first = false;
    Pitch(w, SoundingPitch(StandardPitch(i, f), offsets[static_cast<std::size_t>(i)]) + song.capo);
    common();
    w.Open("notations");
    w.Open("technical");
    w.Element("string", Str(i + 1));
    w.Element("fret", Str(f));
    w.Close();
    w.Close();
    w.Close();
  }
}

// beats/beat-type for a bar of the given length: quarters when they fit,
// else eighths, sixteenths and so on.
std::pair<int, int> TimeSignature(std::int32_t length) {
  if (length <= 0) return {4, 4};
  for (int beatType = 4; beatType < 128; beatType *= 2)
    if ((length * beatType) % kWhole == 0) return {length * beatType / kWhole, beatType};
  return {length * 128 / kWhole, 128};
}

void Header(XmlWriter& w, const ExchangeSong& song) {
  w.Open("work");
  w.Element("work-title", song.titles.title);
  w.Close();
  if (!song.titles.subtitle.empty()) w.Element("movement-title", song.titles.subtitle);
  w.Open("identification");
  w.Open("encoding");
  w.Element("software", "Strumbly");
  w.Close();
  w.Close();
  w.Open("part-list");
  w.Open("score-part", {{"id", "P1"}});
  w.Element("part-name", "Guitar");
  w.Open("score-instrument", {{"id", "P1-I1"}});
  w.Element("instrument-name", "Guitar");
  w.Close();
  w.Open("midi-instrument", {{"id", "P1-I1"}});
  w.Element("midi-channel", "1");
  w.Element("midi-program", Str(std::clamp(song.patch, 0, 127) + 1));
  w.Close();
  w.Close();
  w.Close();
}

void FirstAttributes(XmlWriter& w, const ExchangeSong& song, std::pair<int, int> time) {
  w.Open("attributes");
  w.Element("divisions", Str(kMusicXmlDivisions));
  w.Open("key");
  w.Element("fifths", "0");
  w.Close();
  w.Open("time");
  w.Element("beats", Str(time.first));
  w.Element("beat-type", Str(time.second));
  w.Close();
  w.Open("clef");
  w.Element("sign", "TAB");
  w.Element("line", "5");
  w.Close();
  w.Open("staff-details");
  w.Element("staff-lines", "6");
  const StringOffsets offsets = TuningOffsets(song.tuning);
  for (int line = 1; line <= 6; ++line) {  // line 1, the lowest, is string 6
    const std::size_t i = static_cast<std::size_t>(6 - line);
    const int note = StandardOpenPitch[i] + offsets[i];
    const Step& s = kSteps[((note % 12) + 12) % 12];
    w.Open("staff-tuning", {{"line", Str(line)}});
    w.Element("tuning-step", s.step);
    if (s.alter) w.Element("tuning-alter", Str(s.alter));
    w.Element("tuning-octave", Str(note / 12 - 1));
    w.Close();
  }
  if (song.capo > 0) w.Element("capo", Str(song.capo));
  w.Close();
  w.Close();
  w.Open("direction", {{"placement", "above"}});
  w.Open("direction-type");
  w.Open("metronome");
  w.Element("beat-unit", "quarter");
  w.Element("per-minute", Str(song.tempo));
  w.Close();
  w.Close();
  w.Empty("sound", {{"tempo", Str(song.tempo)}});
  w.Close();
}

}  // namespace

std::string MusicXmlText(const ExchangeSong& song) {
  // The bars: runs of chord records between blank lines.
  std::vector<std::vector<const ChordRecord*>> bars(1);
  for (const ChordRecord& r : song.list) {
    const RecordKind kind = KindOf(r, {});
    if (kind == RecordKind::Blank && !bars.back().empty()) bars.emplace_back();
    if (kind == RecordKind::Chord) bars.back().push_back(&r);
  }
  if (bars.size() > 1 && bars.back().empty()) bars.pop_back();

  XmlWriter w;
  w.Declaration(kDoctype);
  w.Open("score-partwise", {{"version", "4.0"}});
  Header(w, song);
  w.Open("part", {{"id", "P1"}});
  const StringOffsets offsets = TuningOffsets(song.tuning);
  std::pair<int, int> time{0, 0};
  const ChordRecord* previous = nullptr;
  for (std::size_t b = 0; b < bars.size(); ++b) {
    std::int32_t length = 0;
    for (const ChordRecord* r : bars[b]) length += DurationValue(r->Duration, kWhole);
    const auto barTime = TimeSignature(length);
    w.Open("measure", {{"number", Str(static_cast<int>(b) + 1)}});
    if (b == 0) {
      FirstAttributes(w, song, barTime);
    } else if (barTime != time) {
      w.Open("attributes");
      w.Open("time");
      w.Element("beats", Str(barTime.first));
      w.Element("beat-type", Str(barTime.second));
      w.Close();
      w.Close();
    }
    time = barTime;
    for (const ChordRecord* r : bars[b]) {
      if (!IsRestShape(r->Frets) && (!previous || previous->Name != r->Name)) ChordSymbol(w, *r);
      if (!IsRestShape(r->Frets)) previous = r;
      Notes(w, *r, song, offsets);
    }
    w.Close();
  }
  return w.Finish();
}

}  // namespace strumbly
