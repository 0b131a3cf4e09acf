#pragma once
// strumbly-cli name FRETS [--tuning TAG]: prints the names of the chord that
// six frets sound, likeliest first, one per line.
#include <iosfwd>

// The arguments after the word "name". Exit status: 0 names printed, 1 no
// name fits the notes, 2 a usage error.
int RunNameCommand(int argc, char** argv);
int RunNameCommand(int argc, char** argv, std::ostream& out, std::ostream& err);

// The command's lines for the program's usage text.
extern const char* const kNameCommandUsage;
