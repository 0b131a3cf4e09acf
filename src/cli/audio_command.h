#pragma once
// strumbly-cli audio SONG OUT [--soundfont SF2]: renders a song file into an
// audio file with the built-in synthesizer's sound.

namespace strumbly {

// argv[0] is the command word ("audio"), the arguments follow it. Gives
// back the exit status: 0 written, 1 the song or the export failed, 2 a
// usage error or a song file that cannot be read.
int RunAudioCommand(int argc, char** argv);

}  // namespace strumbly
