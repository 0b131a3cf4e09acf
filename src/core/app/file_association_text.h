#pragma once
// The texts that make the desktop open song files with this program, the
// freedesktop way: a shared-mime-info package that names the file type, a
// desktop entry that opens it, and the user's default in mimeapps.list.
#include <string>
#include <string_view>

namespace strumbly {

struct FileTypeInfo {
  std::string extension;    // ".sly" (see NormalizeExtension)
  std::string mimeType;     // "application/x-strumbly"
  std::string description;  // "Strumbly File"
  std::string appName;      // "Strumbly": the desktop entry's name
  std::string comment;      // the desktop entry's one-line description
  std::string programPath;  // the program that opens the files, absolute
  std::string iconPath;     // written only when not empty
};

// Every "." removed, then one put in front: "sly", ".sly" and "..sly" are
// all ".sly". Empty when nothing but dots is left.
std::string NormalizeExtension(std::string_view extension);

// The shared-mime-info XML package for the type: its comment, the glob
// "*" + extension, and that it is a kind of plain text.
std::string MimePackageText(const FileTypeInfo& type);

// The program's own file type: ".sly" files, application/x-strumbly,
// "Strumbly File", opened by programPath.
FileTypeInfo SongFileType(std::string programPath);

// One argument of a desktop entry's Exec key, quoted as the desktop entry
// format requires when it holds a blank or another reserved character, with
// '%' doubled, and escaped as the key's string value.
std::string DesktopExecArgument(std::string_view argument);

// The desktop entry: the program started with the file's path (%f), for the
// type's MIME type.
std::string DesktopEntryText(const FileTypeInfo& type);

// The mimeapps.list text with desktopFile as the default application of
// mimeType under [Default Applications]; every other line stays as it was.
std::string WithDefaultApplication(std::string_view mimeappsText, std::string_view mimeType,
                                   std::string_view desktopFile);

}  // namespace strumbly
