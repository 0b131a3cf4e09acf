#include "cli/conversion.h"

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <utility>
#include <vector>

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
  std::string reason;
  if (!files.Write(out, *bytes, &reason)) {
    std::cerr << "Cannot create file " << out << ": " << reason << "\n";
    return kFailed;
  }
  return kOk;
}

// One song and the file it becomes.
struct Job {
  std::string song, out, prefix;
  bool refused = false;
};

// The file a path names, when it exists (through links).
std::optional<std::pair<dev_t, ino_t>> FileId(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return std::make_pair(st.st_dev, st.st_ino);
}

// What two output names must differ in: the file, when it exists, or else
// the full path with links and dots resolved.
std::string OutputKey(const std::string& out) {
  if (const auto id = FileId(out)) return "file " + std::to_string(id->first) + ":" + std::to_string(id->second);
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::weakly_canonical(std::filesystem::absolute(out, ec), ec);
  return "path " + (ec ? out : full.string());
}

std::string ListOfNames(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += names[i];
  }
  return text;
}

// Refuses, with a message each, the jobs whose output would replace one of
// the run's songs, and every job of a group whose outputs are one file: of
// those only one would survive, and nothing would tell which. Gives back
// kFailed when any was refused.
int RefuseClashes(const Conversion& c, std::vector<Job>& jobs) {
  int status = kOk;
  auto refuse = [&](Job& job, const std::string& message) {
    std::cerr << "strumbly-cli " << c.command << ": " << message << "\n";
    job.refused = true;
    status = kFailed;
  };
  for (Job& job : jobs) {
    if (job.out == "-") continue;
    const auto out = FileId(job.out);
    if (!out) continue;
    for (const Job& other : jobs) {
      if (FileId(other.song) != out) continue;
      if (&other == &job)
        refuse(job, job.song + ": the output " + job.out + " is the song file itself; nothing is written for it.");
      else
        refuse(job, job.song + ": the output " + job.out + " would replace the song " + other.song +
                        "; nothing is written for it.");
      break;
    }
  }
  std::map<std::string, std::vector<Job*>> byOutput;
  for (Job& job : jobs)
    if (job.out != "-") byOutput[OutputKey(job.out)].push_back(&job);
  for (Job& job : jobs) {
    if (job.out == "-") continue;
    std::vector<Job*>& group = byOutput[OutputKey(job.out)];
    if (group.size() < 2 || group.front() != &job) continue;
    std::vector<std::string> songs;
    for (Job* j : group) songs.push_back(j->song);
    for (Job* j : group) j->refused = true;
    std::cerr << "strumbly-cli " << c.command << ": " << job.out << " would be written for each of "
              << ListOfNames(songs) << "; none of them is written.\n";
    status = kFailed;
  }
  return status;
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
  std::vector<Job> jobs;
  if (!batch) {
    if (rest.size() > 2) return Usage(c, "too many arguments");
    jobs.push_back({rest[0], rest.size() == 2 ? rest[1] : WithExtension(rest[0], c.extension), "", false});
  } else {
    if (outDir.empty()) return Usage(c, "--out-dir needs a folder");
    std::string folder = outDir;
    if (folder.back() != '/') folder += '/';
    for (const std::string& song : rest)
      jobs.push_back({song, folder + FileNameOf(WithExtension(song, c.extension)), song + ": ", false});
  }
  // Every song is tried; the worst outcome is the exit status.
  int status = RefuseClashes(c, jobs);
  for (const Job& job : jobs)
    if (!job.refused) status = std::max(status, ConvertOne(c, job.song, job.out, job.prefix, files));
  return Finish(status, files);
}

}  // namespace strumbly::cli
