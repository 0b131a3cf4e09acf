#include "core/tab/tab_titles.h"

#include "core/app/song_names.h"
#include "core/chordsheet/chord_line.h"
#include "core/chordsheet/text.h"

namespace strumbly {

namespace {

constexpr std::size_t kMaxTitleChars = 999;

std::string SearchComments(const std::vector<std::string>& lines, std::string_view key) {
  std::string result;
  for (const std::string& line : lines) {
    if (!IsCommentLine(line)) continue;
    // Upper-casing changes no byte positions.
    const auto at = UpperAscii(line).find(key);
    if (at == std::string::npos) continue;
    const std::string_view rest = std::string_view(line).substr(at + key.size());
    result.assign(Trim(PrefixChars(rest, kMaxTitleChars)));
  }
  return result;
}

}  // namespace

std::string FindTabTitle(const std::vector<std::string>& lines) { return SearchComments(lines, "TITLE:"); }
std::string FindTabSubtitle(const std::vector<std::string>& lines) { return SearchComments(lines, "SUB:"); }

TabTitles SearchedTabTitles(const std::vector<std::string>& lines, std::string_view songFileName) {
  TabTitles t{FindTabTitle(lines), FindTabSubtitle(lines)};
  if (t.title.empty()) t.title = TitleOf(songFileName);
  return t;
}

std::string WithExtension(std::string_view path, std::string_view extension) {
  const auto slash = path.rfind('/');
  const std::size_t start = slash == std::string_view::npos ? 0 : slash + 1;
  const auto dot = path.rfind('.');
  const std::string_view stem = dot != std::string_view::npos && dot >= start ? path.substr(0, dot) : path;
  return std::string(stem) + std::string(extension);
}

std::string TuningPanelText(TuningTag tag) { return TuningStatusText(TuningCaption(tag)); }

std::string TabTuningHeading(TuningTag tag, int capo) {
  std::string text = TuningPanelText(tag);
  if (capo > 0) text += ", Capo " + std::to_string(capo);
  return text;
}

}  // namespace strumbly
