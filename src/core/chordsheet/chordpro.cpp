#include "core/chordsheet/chordpro.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <numeric>
#include <set>

#include "core/chordsheet/integer_text.h"
#include "core/chordsheet/text.h"

namespace strumbly {

namespace {

// Grid time: a whole note of 384 ticks, so a cell (a quarter note) is 96.
constexpr std::int32_t kWhole = 384;
constexpr std::int32_t kBeat = kWhole / 4;

struct CodeLength {
  const char* code;
  std::int32_t ticks;
};
// Longest first, for cutting a length into notes.
constexpr CodeLength kCodes[] = {{".W", 576}, {"W", 384}, {".H", 288}, {"H", 192}, {".Q", 144}, {"Q", 96}, {".E", 72},
                                 {"E", 48},   {".S", 36}, {"S", 24},   {".T", 18}, {"T", 12},   {".F", 9}, {"F", 6}};

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// --- export -----------------------------------------------------------------

// A name as one grid token and one define argument.
std::string SheetName(std::string_view name) {
  std::string out(Trim(name));
  for (char& c : out)
    if (static_cast<unsigned char>(c) <= ' ' || c == '~' || c == '|' || c == '{' || c == '}' || c == '[' || c == ']')
      c = '_';
  if (out == "." || out == "/" || out == "%" || out == "%%") out = "_" + out;
  return out;
}

std::string DefineLine(const std::string& name, const Frets& frets) {
  const int base = ShapeBaseFret(frets);
  std::string line = "{define: " + name + " base-fret " + std::to_string(base) + " frets";
  for (int i = 5; i >= 0; --i) {
    const std::int32_t f = frets[static_cast<std::size_t>(i)];
    line += ' ';
    line += f == NotPlayed ? std::string("x") : f == 0 ? std::string("0") : std::to_string(f - base + 1);
  }
  return line + "}";
}

struct Shapes {
  std::map<std::pair<std::string, Frets>, std::string> names;  // (name, frets) -> sheet name
  std::vector<std::string> defines;
  std::set<std::string> used;

  const std::string& NameOf(const ChordRecord& r) {
    const auto key = std::make_pair(r.Name, r.Frets);
    if (const auto it = names.find(key); it != names.end()) return it->second;
    const std::string base = SheetName(r.Name);
    std::string name = base;
    for (int n = 2; used.count(name); ++n) name = base + "(" + std::to_string(n) + ")";
    used.insert(name);
    defines.push_back(DefineLine(name, r.Frets));
    return names.emplace(key, name).first->second;
  }
};

struct Timed {
  std::string name;
  std::int32_t start, length;
};

// One measure: a cell per beat; each cell is cut into equal parts fine
// enough that every chord starts on a part.
std::string GridMeasure(const std::vector<Timed>& bar) {
  const std::int32_t total = bar.back().start + bar.back().length;
  const std::int32_t cells = std::max<std::int32_t>(1, (total + kBeat - 1) / kBeat);
  std::string out;
  for (std::int32_t c = 0; c < cells; ++c) {
    const std::int32_t from = c * kBeat, to = from + kBeat;
    std::int32_t part = kBeat;
    bool any = false;
    for (const Timed& t : bar)
      if (t.start >= from && t.start < to) {
        any = true;
        part = std::gcd(part, t.start - from);
      }
    out += ' ';
    if (!any) {
      out += '.';
      continue;
    }
    std::string cell;
    for (std::int32_t at = from; at < to; at += part) {
      if (at != from) cell += '~';
      const auto it = std::find_if(bar.begin(), bar.end(), [at](const Timed& t) { return t.start == at; });
      cell += it == bar.end() ? std::string(".") : it->name;
    }
    out += cell;
  }
  return out;
}

std::string CommentText(std::string_view line) { return std::string(Trim(line.substr(1))); }

// --- import -----------------------------------------------------------------

struct Directive {
  std::string name;   // lower case
  std::string value;  // trimmed
};

std::optional<Directive> ReadDirective(std::string_view line) {
  const std::string_view t = Trim(line);
  if (t.size() < 2 || t.front() != '{') return std::nullopt;
  const auto close = t.rfind('}');
  if (close == std::string_view::npos) return std::nullopt;
  const std::string_view inner = Trim(t.substr(1, close - 1));
  std::size_t end = 0;
  while (end < inner.size() && inner[end] != ':' && static_cast<unsigned char>(inner[end]) > ' ') ++end;
  Directive d{Lower(inner.substr(0, end)), {}};
  std::string_view rest = inner.substr(end);
  if (!rest.empty() && rest.front() == ':') rest.remove_prefix(1);
  d.value = std::string(Trim(rest));
  return d;
}

std::vector<std::string> Words(std::string_view s) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= ' ') ++i;
    const std::size_t start = i;
    while (i < s.size() && static_cast<unsigned char>(s[i]) > ' ') ++i;
    if (i > start) words.emplace_back(s.substr(start, i - start));
  }
  return words;
}

// "C base-fret 3 frets x 1 3 3 3 1 fingers ..." -> name and absolute frets.
std::optional<std::pair<std::string, Frets>> ReadDefine(std::string_view value) {
  const std::vector<std::string> w = Words(value);
  if (w.empty()) return std::nullopt;
  int base = 1;
  std::vector<std::string> frets;
  for (std::size_t i = 1; i < w.size(); ++i) {
    const std::string key = Lower(w[i]);
    if (key == "base-fret" && i + 1 < w.size()) {
      const auto b = ReadChordInteger(w[++i]);
      if (!b || *b < 1 || *b > MaxFret) return std::nullopt;
      base = *b;
    } else if (key == "frets") {
      while (i + 1 < w.size() && frets.size() < 7) {
        const std::string& f = w[i + 1];
        const bool fret = Lower(f) == "x" || Lower(f) == "n" || ReadChordInteger(f).has_value();
        if (!fret) break;
        frets.push_back(f);
        ++i;
      }
    }
  }
  if (frets.size() != 6) return std::nullopt;
  Frets out{};
  for (int k = 0; k < 6; ++k) {
    const std::string& f = frets[static_cast<std::size_t>(k)];
    const auto v = ReadChordInteger(f);
    std::int32_t fret = NotPlayed;
    if (v && *v > 0) fret = *v + base - 1;
    if (v && *v == 0) fret = 0;
    if (v && *v < -1) return std::nullopt;
    if (fret > MaxFret) return std::nullopt;
    out[static_cast<std::size_t>(5 - k)] = fret;
  }
  return std::make_pair(w[0], out);
}

// The codes of a length: one code when one fits exactly; a length of a beat
// or more is cut into the longest codes that fit; what is left below a beat
// and has no code of its own (a third of a beat) takes the nearest code.
std::vector<std::string> CodesFor(std::int32_t ticks) {
  std::vector<std::string> codes;
  while (ticks > 0) {
    const auto exact =
        std::find_if(std::begin(kCodes), std::end(kCodes), [&](const CodeLength& c) { return c.ticks == ticks; });
    if (exact != std::end(kCodes)) {
      codes.emplace_back(exact->code);
      break;
    }
    if (ticks < kBeat) {
      const auto nearest =
          std::min_element(std::begin(kCodes), std::end(kCodes), [&](const CodeLength& a, const CodeLength& b) {
            return std::abs(a.ticks - ticks) < std::abs(b.ticks - ticks);
          });
      codes.emplace_back(nearest->code);
      break;
    }
    const auto longest =
        std::find_if(std::begin(kCodes), std::end(kCodes), [&](const CodeLength& c) { return c.ticks <= ticks; });
    codes.emplace_back(longest->code);
    ticks -= longest->ticks;
  }
  if (codes.empty()) codes.emplace_back("F");
  return codes;
}

bool IsBarToken(std::string_view t) {
  if (t.empty() || (t.front() != '|' && t.front() != ':')) return false;
  return std::all_of(t.begin(), t.end(), [](char c) { return c == '|' || c == ':' || c == '.'; });
}

class Importer {
 public:
  Importer(std::string_view text, const ShapeLookup& lookup) : lookup_(lookup) {
    lines_ = SplitSheet(text);
    for (const std::string& line : lines_) {
      const auto d = ReadDirective(line);
      if (!d || (d->name != "define" && d->name != "chord")) continue;
      if (const auto def = ReadDefine(d->value)) defined_.emplace(def->first, def->second);
    }
  }

  ChordProImport Run() {
    for (const std::string& raw : lines_) {
      const std::string line(Trim(raw));
      if (inGrid_) {
        if (const auto d = ReadDirective(line); d && (d->name == "end_of_grid" || d->name == "eog")) {
          inGrid_ = false;
          continue;
        }
        if (!line.empty()) GridLine(line);
        continue;
      }
      if (line.empty()) continue;
      if (const auto d = ReadDirective(line)) {
        DirectiveLine(*d, line);
        continue;
      }
      if (line.front() == '#') {
        Comment(line);
        continue;
      }
      LyricLine(line);
    }
    while (!out_.lines.empty() && IsBlank(out_.lines.back())) out_.lines.pop_back();
    return std::move(out_);
  }

 private:
  static std::vector<std::string> SplitSheet(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
      if (i < text.size() && text[i] != '\n' && text[i] != '\r') continue;
      lines.emplace_back(text.substr(start, i - start));
      if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
    return lines;
  }

  void Comment(std::string_view text) { out_.lines.push_back("* " + std::string(Trim(text))); }
  void EndBar() {
    if (!out_.lines.empty() && !IsBlank(out_.lines.back())) out_.lines.emplace_back();
  }

  void DirectiveLine(const Directive& d, const std::string& line) {
    const std::string& n = d.name;
    if (n == "title" || n == "t") {
      out_.lines.push_back("* Title: " + d.value);
    } else if (n == "subtitle" || n == "st") {
      out_.lines.push_back("* Sub: " + d.value);
    } else if (n == "tempo" && ReadChordInteger(d.value)) {
      out_.tempo = *ReadChordInteger(d.value);
    } else if (n == "capo" && ReadChordInteger(d.value)) {
      out_.lines.push_back("* Capo: " + std::to_string(*ReadChordInteger(d.value)));
    } else if ((n == "define" || n == "chord") && ReadDefine(d.value)) {
      // Read before the sheet; the diagram itself is not a line of the song.
    } else if (n == "comment" || n == "c" || n == "comment_italic" || n == "ci" || n == "comment_box" || n == "cb") {
      Comment(d.value);
    } else if (n == "start_of_grid" || n == "sog") {
      inGrid_ = true;
    } else {
      Comment(line);
    }
  }

  // The sheet's name for a second shape, "C(2)", reads back as the name it
  // stands for when that name is defined too.
  std::string SongName(const std::string& name) const {
    if (name.size() > 3 && name.back() == ')') {
      const auto open = name.rfind('(');
      if (open != std::string::npos && open > 0) {
        const std::string digits = name.substr(open + 1, name.size() - open - 2);
        const std::string base = name.substr(0, open);
        const bool number =
            !digits.empty() && std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (number && defined_.count(base)) return base;
      }
    }
    return name;
  }

  void Chord(const std::string& name, std::int32_t ticks) {
    std::optional<Frets> frets;
    if (const auto it = defined_.find(name); it != defined_.end()) frets = it->second;
    if (!frets && lookup_) frets = lookup_(name);
    if (!frets) {
      out_.lines.push_back("* [" + name + "] has no fingering");
      if (std::find(out_.unfingered.begin(), out_.unfingered.end(), name) == out_.unfingered.end())
        out_.unfingered.push_back(name);
      return;
    }
    ChordRecord r;
    r.Name = SongName(name);
    r.Frets = *frets;
    for (const std::string& code : CodesFor(ticks)) {
      r.Duration = code;
      std::string line = FormatChordLine(r);
      ChordRecord check;
      if (!ParseChordText(line, 0, check).empty()) {
        out_.lines.push_back("* [" + name + "] cannot be a chord name");
        return;
      }
      out_.lines.push_back(std::move(line));
    }
  }

  void LyricLine(const std::string& line) {
    std::string words;
    std::vector<std::string> chords;
    for (std::size_t i = 0; i < line.size(); ++i) {
      const auto close = line[i] == '[' ? line.find(']', i) : std::string::npos;
      if (close == std::string::npos) {
        words += line[i];
        continue;
      }
      const std::string inner = line.substr(i + 1, close - i - 1);
      if (!inner.empty() && inner.front() == '*') {
        words += line.substr(i, close - i + 1);  // an annotation stays with the words
      } else if (!IsBlank(inner)) {
        chords.emplace_back(Trim(inner));
      }
      i = close;
    }
    if (!IsBlank(words)) Comment(words);
    for (const std::string& c : chords) Chord(c, kBeat);
    if (!chords.empty()) EndBar();
  }

  struct Pending {
    std::string name;
    std::int32_t ticks;
  };

  void FlushMeasure(std::vector<Pending>& measure) {
    if (measure.empty()) return;
    lastMeasure_ = measure;
    for (const Pending& p : measure) Chord(p.name, p.ticks);
    measure.clear();
    EndBar();
  }

  void GridLine(const std::string& line) {
    const std::vector<std::string> tokens = Words(line);
    const auto firstBar = std::find_if(tokens.begin(), tokens.end(), [](const auto& t) { return IsBarToken(t); });
    const auto lastBar = std::find_if(tokens.rbegin(), tokens.rend(), [](const auto& t) { return IsBarToken(t); });
    std::size_t from = 0, to = tokens.size();
    if (firstBar != tokens.end()) {
      from = static_cast<std::size_t>(firstBar - tokens.begin());
      to = tokens.size() - static_cast<std::size_t>(lastBar - tokens.rbegin());
    }
    std::string margin;
    for (std::size_t i = 0; i < tokens.size(); ++i)
      if (i < from || i >= to) margin += (margin.empty() ? "" : " ") + tokens[i];
    if (!margin.empty()) Comment(margin);

    std::vector<Pending> measure;
    for (std::size_t i = from; i < to; ++i) {
      const std::string& t = tokens[i];
      if (IsBarToken(t)) {
        FlushMeasure(measure);
      } else if (t == "%") {
        measure = lastMeasure_;
      } else {
        std::vector<std::string> parts;
        std::size_t s = 0;
        for (std::size_t k = 0; k <= t.size(); ++k)
          if (k == t.size() || t[k] == '~') {
            parts.push_back(t.substr(s, k - s));
            s = k + 1;
          }
        const std::int32_t share = kBeat / static_cast<std::int32_t>(parts.size());
        for (const std::string& p : parts) {
          if (p == "." || p.empty()) {
            if (!measure.empty()) measure.back().ticks += share;
          } else if (p == "/") {
            if (!measure.empty()) measure.push_back({measure.back().name, share});
          } else {
            measure.push_back({p, share});
          }
        }
      }
    }
    FlushMeasure(measure);
  }

  const ShapeLookup& lookup_;
  std::vector<std::string> lines_;
  std::map<std::string, Frets> defined_;
  ChordProImport out_;
  bool inGrid_ = false;
  std::vector<Pending> lastMeasure_;
};

}  // namespace

std::string ChordProText(const ExchangeSong& song) {
  std::vector<std::string> body;
  Shapes shapes;
  std::vector<Timed> bar;
  std::vector<std::string> grid;  // measures of the open grid section
  std::int32_t gridCells = 0;

  const auto closeBar = [&] {
    if (bar.empty()) return;
    grid.push_back("|" + GridMeasure(bar) + " |");
    const std::int32_t total = bar.back().start + bar.back().length;
    gridCells = std::max(gridCells, (total + kBeat - 1) / kBeat);
    bar.clear();
  };
  const auto closeGrid = [&] {
    closeBar();
    if (grid.empty()) return;
    body.push_back("{start_of_grid: 1x" + std::to_string(gridCells) + "}");
    body.insert(body.end(), grid.begin(), grid.end());
    body.emplace_back("{end_of_grid}");
    grid.clear();
    gridCells = 0;
  };

  for (std::size_t i = 0; i < song.lines.size() && i < song.list.size(); ++i) {
    const ChordRecord& r = song.list[i];
    const RecordKind kind = KindOf(r, {});
    if (kind == RecordKind::Comment) {
      if (IsSongFieldLine(song.lines[i])) continue;
      closeGrid();
      body.push_back("{comment: " + CommentText(song.lines[i]) + "}");
    } else if (kind == RecordKind::Blank) {
      closeBar();
    } else if (kind == RecordKind::Chord) {
      const std::int32_t start = bar.empty() ? 0 : bar.back().start + bar.back().length;
      bar.push_back({shapes.NameOf(r), start, std::max(1, DurationValue(r.Duration, kWhole))});
    }
  }
  closeGrid();

  std::string text = "{title: " + song.titles.title + "}\n";
  if (!song.titles.subtitle.empty()) text += "{subtitle: " + song.titles.subtitle + "}\n";
  text += "{tempo: " + std::to_string(song.tempo) + "}\n";
  if (song.capo > 0) text += "{capo: " + std::to_string(song.capo) + "}\n";
  if (!shapes.defines.empty()) text += "\n";
  for (const std::string& d : shapes.defines) text += d + "\n";
  if (!body.empty()) text += "\n";
  for (const std::string& b : body) text += b + "\n";
  return text;
}

std::optional<Frets> FirstDictionaryShape(const DictionaryEntries& entries, std::string_view name) {
  for (const std::string& entry : entries) {
    ChordRecord r;
    if (!ParseChordText(entry, 0, r).empty() || KindOf(r, {}) != RecordKind::Chord) continue;
    if (r.Name == name) return r.Frets;
  }
  return std::nullopt;
}

ShapeLookup DictionaryShapeLookup(const std::vector<DictionaryEntries>& dictionaries) {
  auto shapes = std::make_shared<std::map<std::string, Frets, std::less<>>>();
  for (const DictionaryEntries& entries : dictionaries)
    for (const std::string& entry : entries) {
      ChordRecord r;
      if (ParseChordText(entry, 0, r).empty() && KindOf(r, {}) == RecordKind::Chord) shapes->emplace(r.Name, r.Frets);
    }
  return [shapes](std::string_view name) -> std::optional<Frets> {
    const auto it = shapes->find(name);
    if (it == shapes->end()) return std::nullopt;
    return it->second;
  };
}

ChordProImport ImportChordPro(std::string_view text, const ShapeLookup& lookup) { return Importer(text, lookup).Run(); }

std::string UnfingeredMessage(const std::vector<std::string>& names) {
  if (names.empty()) return {};
  std::string text = "No fingering was found for these chords: ";
  for (std::size_t i = 0; i < names.size(); ++i) text += (i ? ", " : "") + names[i];
  return text + ".";
}

}  // namespace strumbly
