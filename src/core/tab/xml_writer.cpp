#include "core/tab/xml_writer.h"

namespace strumbly {

namespace {

// Length of the valid UTF-8 sequence at s[i], or 0.
std::size_t Utf8Length(std::string_view s, std::size_t i) {
  const auto b = static_cast<unsigned char>(s[i]);
  if (b < 0x80) return 1;
  std::size_t n;
  unsigned min;
  unsigned cp;
  if ((b & 0xE0) == 0xC0) {
    n = 2, min = 0x80, cp = b & 0x1F;
  } else if ((b & 0xF0) == 0xE0) {
    n = 3, min = 0x800, cp = b & 0x0F;
  } else if ((b & 0xF8) == 0xF0) {
    n = 4, min = 0x10000, cp = b & 0x07;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    const auto c = static_cast<unsigned char>(s[i + k]);
    if ((c & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (c & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) || cp == 0xFFFE || cp == 0xFFFF) return 0;
  return n;
}

}  // namespace

std::string XmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    switch (c) {
      case '&':
        out += "&amp;";
        ++i;
        continue;
      case '<':
        out += "&lt;";
        ++i;
        continue;
      case '>':
        out += "&gt;";
        ++i;
        continue;
      case '"':
        out += "&quot;";
        ++i;
        continue;
      case '\'':
        out += "&apos;";
        ++i;
        continue;
      default:
        break;
    }
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20) {
      if (c == '\t' || c == '\n' || c == '\r') out += c;
      ++i;
      continue;
    }
    const std::size_t n = Utf8Length(text, i);
    if (n == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
    } else {
      out.append(text.substr(i, n));
      i += n;
    }
  }
  return out;
}

void XmlWriter::Declaration(std::string_view doctype) {
  out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  if (!doctype.empty()) {
    out_ += doctype;
    out_ += '\n';
  }
}

void XmlWriter::Indent() { out_.append(open_.size() * 2, ' '); }

void XmlWriter::StartTag(std::string_view name, const Attributes& attributes) {
  Indent();
  out_ += '<';
  out_ += name;
  for (const auto& [key, value] : attributes) {
    out_ += ' ';
    out_ += key;
    out_ += "=\"";
    out_ += XmlEscape(value);
    out_ += '"';
  }
}

void XmlWriter::Open(std::string_view name, const Attributes& attributes) {
  StartTag(name, attributes);
  out_ += ">\n";
  open_.emplace_back(name);
}

void XmlWriter::Close() {
  if (open_.empty()) return;
  const std::string name = std::move(open_.back());
  open_.pop_back();
  Indent();
  out_ += "</" + name + ">\n";
}

void XmlWriter::Element(std::string_view name, std::string_view text, const Attributes& attributes) {
  StartTag(name, attributes);
  out_ += '>';
  out_ += XmlEscape(text);
  out_ += "</";
  out_ += name;
  out_ += ">\n";
}

void XmlWriter::Empty(std::string_view name, const Attributes& attributes) {
  StartTag(name, attributes);
  out_ += "/>\n";
}

std::string XmlWriter::Finish() {
  while (!open_.empty()) Close();
  return std::move(out_);
}

}  // namespace strumbly
