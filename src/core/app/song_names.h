#pragma once
// File names of songs and the texts the File commands show about them.
// Paths use '/' as the folder separator.
#include <cstdint>
#include <string>
#include <string_view>

namespace strumbly {

inline constexpr const char* kSongExtension = ".sly";
inline constexpr const char* kSongFilter = "Strumbly files (*.sly)|*.sly|All Files (*.*)|*.*";
inline constexpr const char* kSongDefaultExtension = "SLY";
inline constexpr const char* kDictionaryFileName = "CHORDS.DCT";
inline constexpr const char* kDictionaryWarning = "CHORDS.DCT can't be edited while Strumbly is running.";
// Songs larger than this are refused: the editor could not work with them.
inline constexpr std::uint64_t kMaxSongFileBytes = 64ull * 1024 * 1024;

// The name without its folder.
std::string FileNameOf(std::string_view path);
// The folder without a trailing separator; the root keeps its "/"; empty
// for a name without folder.
std::string FolderOf(std::string_view path);
// The extension of the name, with its dot; empty when there is none. A dot
// that starts the name (".songs") does not begin an extension.
std::string ExtensionOf(std::string_view path);
// The path with its extension replaced by ".sly"; a name without extension
// gets ".sly" appended.
std::string WithSongExtension(std::string_view path);
// The name without its folder and extension (the tablature title).
std::string TitleOf(std::string_view path);

// True for the chord dictionary's file, in any letter case.
bool IsDictionaryFile(std::string_view path);
// True when the extension is ".sly" in any letter case.
bool HasSongExtension(std::string_view path);
// Names equal when letter case is ignored (ASCII letters).
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

// ` Save changes to "NAME"?` for the song held under the path.
std::string SaveQuestion(std::string_view currentFileName);
// "PATH doesn't exist!"
std::string DoesNotExistMessage(std::string_view path);
std::string TooLargeMessage(std::string_view path, std::uint64_t bytes);

// The text of a failed file operation, by the system's error number.
std::string FileErrorText(int error);

}  // namespace strumbly
