#pragma once
// A lenient reader and writer of the settings file's INI text:
//
//   [Section]
//   Name=value
//
// Section and value names are compared without regard to letter case, through
// one index built as the text is read. A line that cannot be read (a section
// header without its "]", a line without "=", a value whose quotes are not
// closed) is left out and noted; every other line keeps its value. Values are
// written in the escaped form that other INI readers (QSettings) also read.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace strumbly {

class IniFile {
 public:
  // Reads the text; a later value of the same names replaces an earlier one.
  static IniFile Parse(std::string_view text);

  std::optional<std::string> Get(std::string_view section, std::string_view name) const;
  // Sets the value; the section and name take the spelling given here.
  void Set(std::string_view section, std::string_view name, std::string_view value);
  std::string Format() const;

  // 1-based numbers of the lines that were left out.
  const std::vector<std::size_t>& badLines() const { return badLines_; }
  std::size_t valueCount() const { return index_.size(); }

 private:
  struct Entry {
    std::string name, value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  std::size_t SectionFor(std::string_view section);
  void Add(std::size_t section, std::string_view name, std::string&& value);

  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> sectionIndex_;  // lower-case name -> section
  // lower-case "section\nname" -> (section, entry)
  std::unordered_map<std::string, std::pair<std::size_t, std::size_t>> index_;
  std::vector<std::size_t> badLines_;
};

// The text of a value as an INI file holds it, and back. Unescape returns
// nullopt for a value whose quotes are not closed.
std::string EscapeIniValue(std::string_view value);
std::optional<std::string> UnescapeIniValue(std::string_view text);

}  // namespace strumbly
