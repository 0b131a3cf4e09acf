#include "cli/name_command.h"

#include <array>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "core/chordsheet/chord_line.h"
#include "core/chordsheet/integer_text.h"
#include "core/chordsheet/text.h"
#include "core/guitar/chord_naming.h"
#include "core/guitar/tuning.h"

const char* const kNameCommandUsage =
    "  name FRETS [--tuning TAG] [--capo N]\n"
    "                  Print the names of the chord that six frets sound, likeliest\n"
    "                  first, one per line. FRETS run from the low E string to the\n"
    "                  high one, x for a string not played: x,3,2,0,1,0. TAG is a\n"
    "                  six-digit tuning, first digit string 6, 5 = standard pitch\n"
    "                  (555555 standard, 355555 dropped D). N: a capo at fret 0\n"
    "                  to 11, the frets counted from it.\n"
    "                  Exit status: 0 names printed, 1 no name fits, 2 usage error.\n";

namespace {

// Frets as typed, string 6 first, into string-1-first order.
std::optional<std::array<std::int32_t, 6>> ReadFrets(std::string_view text, std::string& problem) {
  std::array<std::int32_t, 6> frets{};
  int field = 0;
  while (true) {
    const std::size_t comma = text.find(',');
    const std::string_view token = strumbly::Trim(text.substr(0, comma));
    if (field == 6) {
      problem = "six frets expected, string 6 first, such as x,3,2,0,1,0";
      return std::nullopt;
    }
    std::int32_t fret;
    if (token == "x" || token == "X") {
      fret = strumbly::NotPlayed;
    } else {
      const auto value = strumbly::ReadChordInteger(token);
      if (!value || *value < strumbly::NotPlayed || *value > strumbly::MaxFret) {
        problem = "fret '" + std::string(token) + "' for string " + std::to_string(6 - field) +
                  " is not x or a number from 0 to " + std::to_string(strumbly::MaxFret);
        return std::nullopt;
      }
      fret = *value;
    }
    frets[static_cast<std::size_t>(5 - field)] = fret;
    ++field;
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (field != 6) {
    problem = "six frets expected, string 6 first, such as x,3,2,0,1,0";
    return std::nullopt;
  }
  return frets;
}

std::optional<strumbly::TuningTag> ReadTuning(std::string_view text) {
  if (text.size() != 6) return std::nullopt;
  for (char c : text)
    if (c < '0' || c > '9') return std::nullopt;
  const auto tag = strumbly::ReadInteger(text);
  if (!tag || !strumbly::IsReadableTuningTag(*tag)) return std::nullopt;
  return *tag;
}

}  // namespace

int RunNameCommand(int argc, char** argv, std::ostream& out, std::ostream& err) {
  auto usage = [&](const std::string& problem) {
    err << "strumbly-cli name: " << problem << "\nUsage: strumbly-cli name FRETS [--tuning TAG] [--capo N]\n"
        << kNameCommandUsage;
    return 2;
  };
  std::optional<std::string> fretsText;
  strumbly::TuningTag tuning = strumbly::kStandardTuningTag;
  int capo = 0;
  for (int i = 0; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      out << "Usage: strumbly-cli name FRETS [--tuning TAG] [--capo N]\n" << kNameCommandUsage;
      return 0;
    }
    if (arg == "--capo" || arg.substr(0, 7) == "--capo=") {
      std::string_view value;
      if (arg == "--capo") {
        if (i + 1 >= argc) return usage("--capo needs a fret from 0 to 11");
        value = argv[++i];
      } else {
        value = arg.substr(7);
      }
      const auto n = strumbly::ReadInteger(value);
      if (value.empty() || value.find_first_not_of("0123456789") != std::string_view::npos || !n || *n > 11)
        return usage("capo '" + std::string(value) + "' is not a fret from 0 to 11");
      capo = *n;
      continue;
    }
    std::optional<std::string_view> tagText;
    if (arg == "--tuning") {
      if (i + 1 >= argc) return usage("--tuning needs a six-digit tag");
      tagText = argv[++i];
    } else if (arg.substr(0, 9) == "--tuning=") {
      tagText = arg.substr(9);
    }
    if (tagText) {
      const auto tag = ReadTuning(*tagText);
      if (!tag) return usage("tuning '" + std::string(*tagText) + "' is not six digits such as 555555");
      tuning = *tag;
      continue;
    }
    // "-1" is a fret, not an option: only a leading "--" or "-" plus a letter is.
    if (arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9'))
      return usage("unknown option '" + std::string(arg) + "'");
    if (fretsText) return usage("one set of frets expected");
    fretsText = std::string(arg);
  }
  if (!fretsText) return usage("no frets given");
  std::string problem;
  const auto frets = ReadFrets(*fretsText, problem);
  if (!frets) return usage(problem);

  const auto names = strumbly::NameChord(*frets, tuning, capo);
  if (names.empty()) {
    err << "strumbly-cli name: no chord name fits these notes\n";
    return 1;
  }
  for (const auto& name : names) out << name << "\n";
  out.flush();
  return 0;
}

int RunNameCommand(int argc, char** argv) { return RunNameCommand(argc, argv, std::cout, std::cerr); }
