#include "core/app/song_state.h"

#include <algorithm>

#include "core/chordsheet/chord_edits.h"
#include "core/guitar/capo.h"
#include "core/sound/timing.h"

namespace strumbly {

void SongState::AdoptFileName(const std::string& path, NameSource source) {
  fileName_ = path;
  untitled_ = source == NameSource::NewSong;
  for (const auto& listener : nameListeners_) listener(fileName_, source);
}

void SongState::OnFileNameAdopted(NameListener listener) { nameListeners_.push_back(std::move(listener)); }

void SongState::SetPatch(std::uint8_t patch) {
  patch_ = patch;
  for (const auto& listener : patchListeners_) listener(patch_);
}

void SongState::OnPatchChanged(std::function<void(std::uint8_t)> listener) {
  patchListeners_.push_back(std::move(listener));
}

void SongState::SetTuning(TuningTag tag) {
  tuning_ = NormalizeTuningTag(tag);
  offsets_ = TuningOffsets(tuning_);
  for (const auto& listener : tuningListeners_) listener(tuning_);
}

void SongState::OnTuningChanged(std::function<void(TuningTag)> listener) {
  tuningListeners_.push_back(std::move(listener));
}

void SongState::SetCapo(int capo) {
  capo = std::clamp(capo, 0, kMaxCapo);
  if (capo == capo_) return;
  capo_ = capo;
  for (const auto& listener : capoListeners_) listener(capo_);
}

void SongState::OnCapoChanged(std::function<void(int)> listener) { capoListeners_.push_back(std::move(listener)); }

StringOffsets SongState::SoundingOffsets() const { return WithCapo(offsets_, capo_); }

void SongState::SetModified(bool modified) {
  if (modified == modified_) return;
  modified_ = modified;
  for (const auto& listener : modifiedListeners_) listener(modified_);
}

void SongState::OnModifiedChanged(std::function<void(bool)> listener) {
  modifiedListeners_.push_back(std::move(listener));
}
void SongState::SetTempo(int bpm) {
  const int tempo = TempoFromInfo(bpm);
  if (tempo == tempo_) return;
  tempo_ = tempo;
  for (const auto& listener : tempoListeners_) listener(tempo_);
}

void SongState::OnTempoChanged(std::function<void(int)> listener) { tempoListeners_.push_back(std::move(listener)); }

void SongState::Reset() {
  AdoptFileName(kUntitledName, NameSource::NewSong);
  ResetSound();
  SetModified(false);
}

void SongState::ResetSound() {
  SetPatch(kDefaultPatch);
  SetTuning(kStandardTuningTag);
  SetTempo(kDefaultTempo);
  duration_ = kDefaultDuration;
}

std::uint8_t PatchFromInfo(std::int32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

int TempoFromInfo(std::int32_t value) { return std::clamp<std::int32_t>(value, kMinTempo, kMaxTempo); }

}  // namespace strumbly
