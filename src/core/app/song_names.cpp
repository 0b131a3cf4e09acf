#include "core/app/song_names.h"

#include <cerrno>

#include "core/chordsheet/text.h"

namespace strumbly {

namespace {
std::size_t NameStart(std::string_view path) {
  const auto slash = path.rfind('/');
  return slash == std::string_view::npos ? 0 : slash + 1;
}
// Position of the extension's dot, or npos.
std::size_t ExtensionDot(std::string_view path) {
  const std::size_t start = NameStart(path);
  const auto dot = path.rfind('.');
  if (dot == std::string_view::npos || dot <= start) return std::string_view::npos;
  return dot;
}
}  // namespace

std::string FileNameOf(std::string_view path) { return std::string(path.substr(NameStart(path))); }

std::string FolderOf(std::string_view path) {
  const std::size_t start = NameStart(path);
  if (start == 0) return {};
  if (start == 1) return "/";
  return std::string(path.substr(0, start - 1));
}

std::string ExtensionOf(std::string_view path) {
  const auto dot = ExtensionDot(path);
  return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

std::string WithSongExtension(std::string_view path) {
  const auto dot = ExtensionDot(path);
  return std::string(dot == std::string_view::npos ? path : path.substr(0, dot)) + kSongExtension;
}

std::string TitleOf(std::string_view path) {
  const std::string name = FileNameOf(path);
  const auto dot = ExtensionDot(name);
  return dot == std::string_view::npos ? name : name.substr(0, dot);
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) { return UpperAscii(a) == UpperAscii(b); }

bool IsDictionaryFile(std::string_view path) { return UpperAscii(FileNameOf(path)) == kDictionaryFileName; }

bool HasSongExtension(std::string_view path) { return SameNameIgnoringCase(ExtensionOf(path), kSongExtension); }

std::string SaveQuestion(std::string_view currentFileName) {
  return " Save changes to \"" + FileNameOf(currentFileName) + "\"?";
}

std::string DoesNotExistMessage(std::string_view path) { return std::string(path) + " doesn't exist!"; }

std::string TooLargeMessage(std::string_view path, std::uint64_t bytes) {
  const std::uint64_t mb = (bytes + 1024 * 1024 - 1) / (1024 * 1024);
  return "Cannot open file " + std::string(path) + ": it holds " + std::to_string(mb) +
         " MB, and songs can be at most 64 MB.";
}

std::string FileErrorText(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return "File not found";
    case ENAMETOOLONG:
    case EINVAL:
    case EISDIR:
    case ELOOP:
      return "Invalid filename";
    case EMFILE:
    case ENFILE:
      return "Too many open files";
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
      return "File access denied";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return "Disk full";
    default:
      return "I/O error " + std::to_string(error);
  }
}

}  // namespace strumbly
