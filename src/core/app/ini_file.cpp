#include "core/app/ini_file.h"

#include <cctype>

namespace strumbly {

namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string KeyOf(std::string_view section, std::string_view name) {
  std::string key;
  key.reserve(section.size() + name.size() + 1);
  for (char c : section) key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  key += '\n';
  for (char c : name) key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return key;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (IsBlank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void AppendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

std::string EscapeIniValue(std::string_view value) {
  std::string body;
  bool quote = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()));
  // A leading '@' marks typed values for other readers; "@@" is a plain '@'.
  if (!value.empty() && value.front() == '@') body += '@';
  for (char c : value) {
    switch (c) {
      case '\\':
        body += "\\\\";
        break;
      case '"':
        body += "\\\"";
        break;
      case '\n':
        body += "\\n";
        break;
      case '\r':
        body += "\\r";
        break;
      case '\t':
        body += "\\t";
        break;
      case ';':
      case ',':
      case '=':
        quote = true;
        body += c;
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
          static const char* hex = "0123456789abcdef";
          body += "\\x00";
          body += hex[(c >> 4) & 0xF];
          body += hex[c & 0xF];
        } else {
          body += c;
        }
    }
  }
  return quote ? '"' + body + '"' : body;
}

std::optional<std::string> UnescapeIniValue(std::string_view text) {
  text = Trim(text);
  std::string out;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      quoted = !quoted;
      continue;
    }
    if (c != '\\' || i + 1 == text.size()) {
      out += c;
      continue;
    }
    const char e = text[++i];
    switch (e) {
      case 'a':
        out += '\a';
        break;
      case 'b':
        out += '\b';
        break;
      case 'f':
        out += '\f';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case 't':
        out += '\t';
        break;
      case 'v':
        out += '\v';
        break;
      case 'x': {
        unsigned code = 0;
        int digits = 0;
        while (digits < 4 && i + 1 < text.size() && HexDigit(text[i + 1]) >= 0) {
          code = code * 16 + static_cast<unsigned>(HexDigit(text[++i]));
          ++digits;
        }
        if (digits == 0)
          out += 'x';
        else
          AppendUtf8(out, code);
        break;
      }
      default:
        out += e;  // \\ \" \' \? \; \, \= and anything unknown
    }
  }
  if (quoted) return std::nullopt;
  // After the quotes are gone, as other readers do: "@@" is a plain '@'.
  if (out.starts_with("@@")) out.erase(0, 1);
  return out;
}

IniFile IniFile::Parse(std::string_view text) {
  IniFile ini;
  std::size_t current = std::string::npos;  // values before any header go to "General"
  std::size_t number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      // A header needs a name: "[ ]" could not be written back as it was.
      const std::string_view section =
          line.size() < 3 || line.back() != ']' ? std::string_view{} : Trim(line.substr(1, line.size() - 2));
      if (section.empty() || line.find(']') != line.size() - 1) {
        ini.badLines_.push_back(number);
        continue;
      }
      current = ini.SectionFor(section);
      continue;
    }
    const std::size_t eq = line.find('=');
    const std::string_view name = eq == std::string_view::npos ? std::string_view{} : Trim(line.substr(0, eq));
    std::optional<std::string> value = name.empty() ? std::nullopt : UnescapeIniValue(line.substr(eq + 1));
    if (!value) {
      ini.badLines_.push_back(number);
      continue;
    }
    if (current == std::string::npos) current = ini.SectionFor("General");
    ini.Add(current, name, std::move(*value));
  }
  return ini;
}

void IniFile::Add(std::size_t section, std::string_view name, std::string&& value) {
  std::vector<Entry>& entries = sections_[section].entries;
  const auto [it, added] = index_.try_emplace(KeyOf(sections_[section].name, name), section, entries.size());
  if (added)
    entries.push_back({std::string(name), std::move(value)});
  else
    entries[it->second.second] = {std::string(name), std::move(value)};
}

std::size_t IniFile::SectionFor(std::string_view section) {
  const auto [it, added] = sectionIndex_.try_emplace(Lower(section), sections_.size());
  if (added) sections_.push_back({std::string(section), {}});
  return it->second;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view name) const {
  const auto it = index_.find(KeyOf(section, name));
  if (it == index_.end()) return std::nullopt;
  return sections_[it->second.first].entries[it->second.second].value;
}

void IniFile::Set(std::string_view section, std::string_view name, std::string_view value) {
  const std::size_t s = SectionFor(section);
  sections_[s].name = section;
  Add(s, name, std::string(value));
}

std::string IniFile::Format() const {
  std::string out;
  for (const Section& section : sections_) {
    if (section.entries.empty()) continue;
    if (!out.empty()) out += '\n';
    out += '[' + section.name + "]\n";
    for (const Entry& e : section.entries) out += e.name + '=' + EscapeIniValue(e.value) + '\n';
  }
  return out;
}

}  // namespace strumbly
