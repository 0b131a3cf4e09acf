// strumbly-cli name, called as the program's dispatcher calls it.
#include "cli/name_command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct NameRun {
  int status;
  std::string out, err;
};

NameRun Name(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  std::ostringstream out, err;
  const int status = RunNameCommand(static_cast<int>(argv.size()), argv.data(), out, err);
  return {status, out.str(), err.str()};
}

}  // namespace

TEST(NameCommand, PrintsTheNamesLikeliestFirst) {
  const NameRun c = Name({"x,3,2,0,1,0"});
  EXPECT_EQ(c.status, 0);
  EXPECT_EQ(c.out.substr(0, 2), "C\n");
  EXPECT_EQ(c.err, "");
  // C E G A over C: C6 first, the A minor reading after it.
  const NameRun c6 = Name({"x, 3, 2, 2, 1, 0"});
  EXPECT_EQ(c6.out, "C6\nAm/C\n");
  EXPECT_EQ(Name({"2,x,0,2,3,2"}).out.substr(0, 5), "D/F#\n");
  EXPECT_EQ(Name({"X,-1,0,2,1,2"}).out.substr(0, 3), "D7\n");
}

TEST(NameCommand, TuningChangesTheNotes) {
  EXPECT_EQ(Name({"0,0,0,0,0,0", "--tuning", "355433"}).out.substr(0, 2), "D\n");
  EXPECT_EQ(Name({"--tuning=355555", "0,x,0,2,3,2"}).out.substr(0, 2), "D\n");
  EXPECT_EQ(Name({"0,x,0,2,3,2"}).out.substr(0, 4), "D/E\n");
  // A capo raises every string: a C shape at the second fret sounds D.
  EXPECT_EQ(Name({"x,3,2,0,1,0", "--capo", "2"}).out.substr(0, 2), "D\n");
  EXPECT_EQ(Name({"--capo=0", "x,3,2,0,1,0"}).out.substr(0, 2), "C\n");
}

TEST(NameCommand, NoNameIsStatusOne) {
  const NameRun r = Name({"x,x,x,x,x,0"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("no chord name"), std::string::npos);
}

TEST(NameCommand, BadArgumentsAreUsageErrors) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {},
           {"x,3,2,0,1"},
           {"x,3,2,0,1,0,0"},
           {"x,3,2,0,1,q"},
           {"x,3,2,0,1,19"},
           {"x,3,2,0,1,-2"},
           {"x,3,2,,1,0"},
           {"x,3,2,0,1,0", "x,3,2,0,1,0"},
           {"x,3,2,0,1,0", "--tuning"},
           {"x,3,2,0,1,0", "--tuning", "55555"},
           {"x,3,2,0,1,0", "--tuning", "5555a5"},
           {"x,3,2,0,1,0", "--tuning", "-55555"},
           {"x,3,2,0,1,0", "--capo", "12"},
           {"x,3,2,0,1,0", "--capo", "-1"},
           {"x,3,2,0,1,0", "--capo"},
           {"x,3,2,0,1,0", "--fret", "2"},
       }) {
    std::string joined;
    for (const auto& a : args) joined += a + " ";
    SCOPED_TRACE(joined);
    const NameRun r = Name(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Usage: strumbly-cli name FRETS"), std::string::npos);
  }
  const NameRun bad = Name({"x,3,2,0,1,q"});
  EXPECT_NE(bad.err.find("fret 'q' for string 1"), std::string::npos);
}

TEST(NameCommand, HelpGoesToStandardOutput) {
  const NameRun r = Name({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("--tuning TAG"), std::string::npos);
}
