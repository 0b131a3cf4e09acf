#pragma once
// The converter's commands. Each lives in its own file and is listed once in
// the dispatcher's table in main.cpp.
#include <string>
#include <vector>

namespace strumbly::cli {

using Args = std::vector<std::string>;

// Exit statuses.
inline constexpr int kOk = 0;
inline constexpr int kRefused = 1;  // a song with a bad line, no chords ...
inline constexpr int kFailed = 2;   // usage errors, unreadable songs, unwritable output

struct Command {
  const char* name;
  const char* usage;  // lines for the help text
  int (*run)(const Args& args);
};

int RunCheck(const Args& args);
int RunMidi(const Args& args);
int RunTab(const Args& args);
int RunPdf(const Args& args);
int RunTranspose(const Args& args);

// The whole help text, from the table of commands.
std::string UsageText();

}  // namespace strumbly::cli
