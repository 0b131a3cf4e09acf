#pragma once
// Runs strumbly-cli as a user runs it, with its standard output and error
// caught apart.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace strumbly::test {

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

inline std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// args is shell text; stdoutTo, when given, replaces the pipe ("> /dev/full").
inline CliResult RunCliCaught(const std::string& args, const std::string& stdoutTo = "") {
  const char* cli = std::getenv("STRUMBLY_CLI");
  if (!cli) cli = STRUMBLY_CLI_PATH;
  const auto errFile = std::filesystem::temp_directory_path() / ("strumbly-cli-err-" + std::to_string(::getpid()));
  std::string command = std::string(cli) + " " + args + " 2>" + errFile.string();
  if (!stdoutTo.empty()) command += " " + stdoutTo;
  FILE* pipe = popen(command.c_str(), "r");
  CliResult r{-1, {}, {}};
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
  const int raw = pclose(pipe);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.err = ReadWholeFile(errFile);
  std::filesystem::remove(errFile);
  return r;
}

}  // namespace strumbly::test
