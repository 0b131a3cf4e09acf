#include "cli/conversion.h"

#include <cstdio>
#include <iostream>

#include "cli/output_files.h"
#include "core/app/song_names.h"
#include "core/tab/tab_titles.h"

namespace strumbly::cli {

namespace {

int Usage(const Conversion& c, const std::string& problem) {
  std::cerr << "strumbly-cli " << c.command << ": " << problem << "\n" << UsageText();
  return kFailed;
}

int ConvertOne(const Conversion& c, const std::string& songPath, const std::string& out, const std::string& prefix,
               OutputFiles& files) {
  const std::optional<CliSong> song = LoadSong(songPath);
  if (!song) return kFailed;
  const std::optional<std::string> bytes = c.convert(*song, prefix);
  if (!bytes) return kRefused;
  if (out == "-") return WriteStandardOutput(*bytes) ? kOk : kFailed;
  if (!files.Write(out, *bytes)) {
    std::cerr << "Cannot create file " << out << "\n";
    return kFailed;
  }
  return kOk;
}

int Finish(int status, OutputFiles& files) {
  if (files.Sync()) return status;
  std::cerr << "strumbly-cli: the written files could not be saved to disk\n";
  return kFailed;
}

}  // namespace

bool WriteStandardOutput(const std::string& bytes) {
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
  if (!ok) std::cerr << "strumbly-cli: cannot write to standard output\n";
  return ok;
}

int RunConversion(const Conversion& c, const Args& args) {
  OutputFiles files;
  std::string outDir;
  bool batch = false;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--out-dir") {
      if (i + 1 >= args.size()) return Usage(c, "--out-dir needs a folder");
      outDir = args[++i];
      batch = true;
    } else {
      rest.push_back(args[i]);
    }
  }
  if (rest.empty()) return Usage(c, "no song file given");
  if (!batch) {
    if (rest.size() > 2) return Usage(c, "too many arguments");
    const std::string out = rest.size() == 2 ? rest[1] : WithExtension(rest[0], c.extension);
    return Finish(ConvertOne(c, rest[0], out, "", files), files);
  }
  if (outDir.empty()) return Usage(c, "--out-dir needs a folder");
  // Every song is tried; the worst outcome is the exit status.
  int status = kOk;
  for (const std::string& song : rest) {
    std::string folder = outDir;
    if (folder.back() != '/') folder += '/';
    const std::string out = folder + FileNameOf(WithExtension(song, c.extension));
    status = std::max(status, ConvertOne(c, song, out, song + ": ", files));
  }
  return Finish(status, files);
}

}  // namespace strumbly::cli
