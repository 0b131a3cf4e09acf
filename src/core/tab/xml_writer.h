#pragma once
// A small XML writer: elements, attributes and text, every text escaped, the
// document indented by two spaces. Callers cannot produce malformed markup
// by accident: names are written as given (they are the caller's literals),
// everything else goes through the escaping.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace strumbly {

// Escapes &, <, >, " and ' for text and attribute values. Bytes that are not
// valid UTF-8 become U+FFFD, and control characters other than tab, line
// feed and carriage return (which XML 1.0 does not allow) are dropped.
std::string XmlEscape(std::string_view text);

class XmlWriter {
 public:
  using Attributes = std::vector<std::pair<std::string_view, std::string>>;

  // The declaration and an optional DOCTYPE line, written first.
  void Declaration(std::string_view doctype = {});
  void Open(std::string_view name, const Attributes& attributes = {});
  void Close();
  // <name attributes>text</name>
  void Element(std::string_view name, std::string_view text, const Attributes& attributes = {});
  // <name attributes/>
  void Empty(std::string_view name, const Attributes& attributes = {});

  // The document; every element still open is closed first.
  std::string Finish();

 private:
  void Indent();
  void StartTag(std::string_view name, const Attributes& attributes);
  std::string out_;
  std::vector<std::string> open_;
};

}  // namespace strumbly
