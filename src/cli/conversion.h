#pragma once
// The shared frame of the converting commands: SONG [OUT] or --out-dir DIR
// SONG..., reading each song, writing each result safely or to standard
// output, and the exit status.
#include <functional>
#include <optional>
#include <string>

#include "cli/cli_command.h"
#include "cli/song_source.h"

namespace strumbly::cli {

struct Conversion {
  const char* command;    // "midi"
  const char* extension;  // ".mid"
  // Makes the output's bytes, or gives back nothing when the song is
  // refused (its messages printed, each line after the prefix).
  std::function<std::optional<std::string>(const CliSong& song, const std::string& prefix)> convert;
};

int RunConversion(const Conversion& conversion, const Args& args);

// Writes the bytes to standard output; false (with a message) when that fails.
bool WriteStandardOutput(const std::string& bytes);

}  // namespace strumbly::cli
