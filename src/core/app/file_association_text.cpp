#include "core/app/file_association_text.h"

#include <vector>

namespace strumbly {

namespace {

std::string XmlEscaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// A desktop entry string value: backslash and control characters escaped.
std::string StringValue(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

bool NeedsQuotes(std::string_view argument) {
  if (argument.empty()) return true;
  for (char c : argument)
    if (std::string_view(" \t\n\"'\\><~|&;$*?#()`").find(c) != std::string_view::npos) return true;
  return false;
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
      lines.push_back(text);
      break;
    }
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  return lines;
}

bool IsGroupHeader(std::string_view line) {
  line = Trimmed(line);
  return !line.empty() && line.front() == '[';
}

}  // namespace

std::string NormalizeExtension(std::string_view extension) {
  std::string bare;
  for (char c : extension)
    if (c != '.') bare += c;
  return bare.empty() ? std::string() : "." + bare;
}

std::string MimePackageText(const FileTypeInfo& type) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
         "  <mime-type type=\"" +
         XmlEscaped(type.mimeType) +
         "\">\n"
         "    <comment>" +
         XmlEscaped(type.description) +
         "</comment>\n"
         "    <sub-class-of type=\"text/plain\"/>\n"
         "    <glob pattern=\"*" +
         XmlEscaped(NormalizeExtension(type.extension)) +
         "\"/>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}

FileTypeInfo SongFileType(std::string programPath) {
  FileTypeInfo type;
  type.extension = ".sly";
  type.mimeType = "application/x-strumbly";
  type.description = "Strumbly File";
  type.appName = "Strumbly";
  type.comment = "Write, hear and print guitar chord sequences";
  type.programPath = std::move(programPath);
  return type;
}

std::string DesktopExecArgument(std::string_view argument) {
  std::string quoted;
  const bool quote = NeedsQuotes(argument);
  if (quote) quoted += '"';
  for (char c : argument) {
    if (c == '%') {
      quoted += "%%";
      continue;
    }
    if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) quoted += '\\';
    quoted += c;
  }
  if (quote) quoted += '"';
  return StringValue(quoted);
}

std::string DesktopEntryText(const FileTypeInfo& type) {
  std::string text =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Name=" +
      StringValue(type.appName) +
      "\n"
      // As the installed entry says, so the user's own menu entry loses
      // nothing when it takes the installed one's place.
      "GenericName=Guitar Chord Editor\n";
  if (!type.comment.empty()) text += "Comment=" + StringValue(type.comment) + "\n";
  text += "Exec=" + DesktopExecArgument(type.programPath) + " %f\n";
  text += "Icon=" + (type.iconPath.empty() ? std::string("strumbly") : StringValue(type.iconPath)) + "\n";
  text +=
      "Terminal=false\n"
      "MimeType=" +
      type.mimeType +
      ";\n"
      "Categories=AudioVideo;Audio;Music;\n";
  return text;
}

std::string WithDefaultApplication(std::string_view mimeappsText, std::string_view mimeType,
                                   std::string_view desktopFile) {
  const std::string entry = std::string(mimeType) + "=" + std::string(desktopFile) + ";";
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(mimeappsText)) lines.emplace_back(line);

  // The group's first line, and where its last key ends (before any blank
  // lines or comments that lead into the next group).
  std::size_t group = lines.size();
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (Trimmed(lines[i]) == "[Default Applications]") {
      group = i;
      break;
    }
  if (group == lines.size()) {
    if (!lines.empty() && !Trimmed(lines.back()).empty()) lines.emplace_back();
    lines.emplace_back("[Default Applications]");
    lines.push_back(entry);
  } else {
    std::size_t insertAt = group + 1;
    bool replaced = false;
    for (std::size_t i = group + 1; i < lines.size() && !IsGroupHeader(lines[i]); ++i) {
      const std::string_view line = Trimmed(lines[i]);
      if (line.empty() || line.front() == '#') continue;
      insertAt = i + 1;
      const std::size_t equals = line.find('=');
      if (equals != std::string_view::npos && Trimmed(line.substr(0, equals)) == mimeType) {
        lines[i] = entry;
        replaced = true;
        break;
      }
    }
    if (!replaced) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
  }

  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

}  // namespace strumbly
