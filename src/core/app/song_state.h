#pragma once
// The state of the song being edited, beside its lines: the file it belongs
// to, its instrument, its tuning, its tempo, the duration given to new lines,
// and whether it has changes not yet saved. Whoever shows a part of it
// registers for its changes.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/app/song_file.h"
#include "core/guitar/tuning.h"

namespace strumbly {

// How a song came by its file name.
enum class NameSource { NewSong, Opened, Saved };

class SongState {
 public:
  SongState() = default;
  SongState(const SongState&) = delete;
  SongState& operator=(const SongState&) = delete;

  // The song's path; kUntitledName for a song never saved.
  const std::string& FileName() const { return fileName_; }
  bool IsUntitled() const { return untitled_; }
  // The one place a song takes a file name: a new song's, or the path it was
  // opened from or written to. Everyone who shows or lists the name hears of
  // it (the recent files only care for opened songs).
  void AdoptFileName(const std::string& path, NameSource source);
  using NameListener = std::function<void(const std::string& path, NameSource source)>;
  void OnFileNameAdopted(NameListener listener);

  // The instrument: a General MIDI program counted from 0.
  std::uint8_t Patch() const { return patch_; }
  void SetPatch(std::uint8_t patch);
  void OnPatchChanged(std::function<void(std::uint8_t)> listener);

  TuningTag Tuning() const { return tuning_; }
  // Semitones per string, string 1 first, that the tuning adds.
  const StringOffsets& Offsets() const { return offsets_; }
  // A tag that cannot be read digit by digit is standard tuning.
  void SetTuning(TuningTag tag);
  void OnTuningChanged(std::function<void(TuningTag)> listener);

  // The capo the song's lines give (0 to kMaxCapo); whoever reads the lines
  // tells it. Everything that sounds adds it to the tuning.
  int Capo() const { return capo_; }
  // Taken into 0 to kMaxCapo; the listeners hear of a change only.
  void SetCapo(int capo);
  void OnCapoChanged(std::function<void(int)> listener);
  // The tuning's offsets with the capo on every string: what sounds.
  StringOffsets SoundingOffsets() const;

  // Beats per minute, kMinTempo to kMaxTempo (kDefaultTempo for a new song).
  int Tempo() const { return tempo_; }
  // Takes the tempo into its range; the listeners hear of a change only.
  void SetTempo(int bpm);
  void OnTempoChanged(std::function<void(int)> listener);

  // The duration code new template lines take (" Q" for every new song).
  const std::string& CurrentDuration() const { return duration_; }
  void SetCurrentDuration(std::string code) { duration_ = std::move(code); }

  bool Modified() const { return modified_; }
  // Listeners hear only real changes of the mark.
  void SetModified(bool modified);
  void OnModifiedChanged(std::function<void(bool)> listener);

  // A new untitled song: default instrument, standard tuning, default
  // tempo, quarter notes, nothing to save.
  void Reset();
  // The instrument, tuning, tempo and duration of a new song; the name is
  // kept.
  void ResetSound();

 private:
  std::string fileName_ = kUntitledName;
  bool untitled_ = true;
  std::uint8_t patch_ = kDefaultPatch;
  TuningTag tuning_ = kStandardTuningTag;
  StringOffsets offsets_{0, 0, 0, 0, 0, 0};
  int tempo_ = kDefaultTempo;
  int capo_ = 0;
  std::string duration_;
  bool modified_ = false;
  std::vector<NameListener> nameListeners_;
  std::vector<std::function<void(std::uint8_t)>> patchListeners_;
  std::vector<std::function<void(TuningTag)>> tuningListeners_;
  std::vector<std::function<void(bool)>> modifiedListeners_;
  std::vector<std::function<void(int)>> tempoListeners_;
  std::vector<std::function<void(int)>> capoListeners_;
};

// The instrument program as a song file's info line gives it: its low 8 bits.
std::uint8_t PatchFromInfo(std::int32_t value);
// The tempo as a song file's info line gives it, taken into 1 to 500.
int TempoFromInfo(std::int32_t value);

}  // namespace strumbly
