#pragma once
// The user's chord dictionary on disk: CHORDS.DCT in the install folder,
// created on first run from the dictionary that ships with the program.
// Failures throw CommandError with the text the user reads.
#include <QString>
#include <optional>

#include "core/chordsheet/dictionary.h"

namespace strumbly {

// The shipped dictionary, as a data file and as the copy compiled into the
// program's resources.
inline constexpr const char* kDefaultDictionaryDataFile = "dictionary/CHORDS.DCT";
inline constexpr const char* kDefaultDictionaryResource = ":/dictionary/CHORDS.DCT";

// installDir + "/CHORDS.DCT".
QString DictionaryFileName(const QString& installDir);

// The file's entries; nullopt when there is no such file. Throws "Cannot
// open file PATH" when it exists but cannot be read.
std::optional<DictionaryEntries> ReadDictionaryFile(const QString& path);

// Writes the entries with CR LF line ends through a temporary file and a
// rename, creating the folder when missing. Throws "Cannot create file PATH".
// A file that already reads as these entries is left as it is.
void WriteDictionaryFile(const QString& path, const DictionaryEntries& entries);

// The shipped dictionary: the installed data file found beside the program
// in exeDir, else the compiled-in copy.
DictionaryEntries DefaultDictionary(const QString& exeDir);
DictionaryEntries DefaultDictionary();

struct UserDictionary {
  DictionaryEntries entries;
  bool createdFromDefault = false;  // first run: the file was made now
};

// Loads installDir/CHORDS.DCT. When there is none yet, the shipped
// dictionary is used and written there; should that write fail, the entries
// are still used and the save at exit reports the failure. Throws "Cannot
// open file PATH" when the file exists but cannot be read.
UserDictionary LoadUserDictionary(const QString& installDir, const QString& exeDir);
UserDictionary LoadUserDictionary(const QString& installDir);

}  // namespace strumbly
