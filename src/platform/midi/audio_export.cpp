#include "platform/midi/audio_export.h"

#include <sndfile.h>

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <optional>
#include <thread>
#include <vector>

#include "core/app/song_names.h"
#include "core/chordsheet/chord_line.h"
#include "core/guitar/tuning.h"
#include "core/sound/midi_message.h"
#include "core/sound/timing.h"
#include "platform/midi/rate_converter.h"
#include "platform/midi/synth_engine.h"
#include "platform/song_io.h"

namespace strumbly {

namespace {

// The synthesizer starts voices only at the start of a 64-frame block. At
// 64 kHz a block is one millisecond, and every chord starts on a whole
// millisecond; the sound is then converted to the file's 48 kHz.
constexpr int kRenderRate = RateConverter::kInRate;
static_assert(RateConverter::kOutRate == kAudioExportSampleRate);
static_assert(kRenderRate == 1000 * SynthEngine::kBlockFrames);
constexpr int kChunkFrames = kRenderRate / 10;
// The last chord rings until the sound has died 60 dB below full scale
// (a steel string's release takes about 7 s to get there), then fades out
// over one chunk ...
constexpr float kSilence = 0.001f;
// ... but for no longer than this after its end.
constexpr int kMaxTailFrames = kRenderRate * 15;
constexpr int kChannel = 0;

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

int SndFormat(AudioFileFormat format) {
  switch (format) {
    case AudioFileFormat::Wav:
      return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    case AudioFileFormat::Flac:
      return SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    case AudioFileFormat::Ogg:
      return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
  }
  return 0;
}

// Queues the song's notes: every chord's note-ons at its start, its
// note-offs at its end, where the next chord starts. Gives back the frame
// at which the last chord ends, at the rendering rate.
std::int64_t QueueSong(SynthEngine& synth, const AudioExportJob& job) {
  ChordList chords = job.chords;
  ComputeDurations(chords, WholeNoteMs(job.tempo));
  synth.Send(ProgramChangeMessage(kChannel, job.program));
  std::int64_t ms = 0;
  auto frameOf = [](std::int64_t at) { return at * kRenderRate / 1000; };
  for (const ChordRecord& r : chords) {
    if (!IsChordEntry(r)) continue;
    const std::int64_t end = ms + std::max(r.DurationMs, 0);
    for (std::size_t s = 0; s < 6; ++s) {
      if (r.Pitches[s] == SilentPitch) continue;
      const int key = SoundingPitch(r.Pitches[s], job.tuningOffsets[s]);
      synth.SendAtFrame(NoteOnMessage(kChannel, key, 0), frameOf(ms));
      synth.SendAtFrame(NoteOffMessage(kChannel, key, 0), frameOf(end));
    }
    ms = end;
  }
  return frameOf(ms);
}

class SoundFile {
 public:
  ~SoundFile() { Close(); }
  // Writes into the open file, which stays open when this is closed.
  bool Open(int fd, AudioFileFormat format) {
    SF_INFO info{};
    info.samplerate = kAudioExportSampleRate;
    info.channels = 2;
    info.format = SndFormat(format);
    file_ = sf_open_fd(fd, SFM_WRITE, &info, SF_FALSE);
    if (!file_) return false;
    if (format == AudioFileFormat::Ogg) {
      double quality = 0.6;
      sf_command(file_, SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof quality);
    }
    return true;
  }
  bool Write(const float* left, const float* right, int frames) {
    interleaved_.resize(static_cast<std::size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) {
      interleaved_[static_cast<std::size_t>(i) * 2] = std::clamp(left[i], -1.0f, 1.0f);
      interleaved_[static_cast<std::size_t>(i) * 2 + 1] = std::clamp(right[i], -1.0f, 1.0f);
    }
    errno = 0;
    if (sf_writef_float(file_, interleaved_.data(), frames) == frames) return true;
    error_ = errno;
    return false;
  }
  bool Close() {
    if (!file_) return true;
    errno = 0;
    const bool ok = sf_close(file_) == 0;
    if (!ok) error_ = errno;
    file_ = nullptr;
    return ok;
  }
  // The system's error number of the failed write, EIO when it gave none.
  int SystemError() const { return error_ != 0 ? error_ : EIO; }
  std::string Error() const { return sf_strerror(file_); }

 private:
  SNDFILE* file_ = nullptr;
  int error_ = 0;
  std::vector<float> interleaved_;
};

}  // namespace

bool AudioFormatForPath(const std::string& path, AudioFileFormat* format) {
  const std::string ext = Lower(std::filesystem::path(path).extension().string());
  AudioFileFormat f;
  if (ext == ".wav")
    f = AudioFileFormat::Wav;
  else if (ext == ".flac")
    f = AudioFileFormat::Flac;
  else if (ext == ".ogg")
    f = AudioFileFormat::Ogg;
  else
    return false;
  if (format) *format = f;
  return true;
}

AudioExportResult ExportAudio(const AudioExportJob& job, const AudioExportProgress& progress) {
  AudioExportResult result;
  AudioFileFormat format;
  if (!AudioFormatForPath(job.path, &format)) {
    result.error = "The audio file name must end in .wav, .flac or .ogg.";
    return result;
  }
  std::string loadError;
  const std::string soundFont = FindSoundFont(job.soundFontSetting);
  const int cores = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
  auto synth = SynthEngine::Load(soundFont, &loadError, cores, kRenderRate);
  if (!synth) {
    result.error = "The synthesizer cannot start: " + loadError + ".";
    return result;
  }
  const std::int64_t songEnd = QueueSong(*synth, job);

  // The sound goes to a new file beside the target, which takes its name
  // only when complete, as every saved file does: a cancel or a failure
  // leaves the file of that name as it was.
  std::optional<SafeSave> save;
  try {
    save.emplace(QFile::decodeName(QByteArray::fromStdString(job.path)));
  } catch (const SaveError& e) {
    result.error = "Cannot create file " + job.path + ": " + e.reason().toStdString() + ".";
    return result;
  }
  SoundFile file;
  if (!file.Open(save->Descriptor(), format)) {
    result.error = "Cannot create file " + job.path + ": " + file.Error();
    return result;
  }
  auto fail = [&](std::string error, bool cancelled) {
    file.Close();
    save.reset();
    result.error = std::move(error);
    result.cancelled = cancelled;
    return result;
  };
  auto writeFailed = [&]() {
    return fail("Cannot write file " + job.path + ": " + FileErrorText(file.SystemError()) + ".", false);
  };

  std::vector<float> left(kChunkFrames), right(kChunkFrames);
  // The limiter on the synthesizer's output delays it: its first frames are
  // rendered and dropped, so frame 0 of the file is frame 0 of the song.
  {
    std::vector<float> l(SynthEngine::kOutputDelayFrames), r(l.size());
    synth->Render(l.data(), r.data(), static_cast<int>(l.size()));
  }
  RateConverter converter;
  std::vector<float> outLeft, outRight;
  std::int64_t rendered = 0, written = 0;
  const double expected = static_cast<double>(songEnd + kRenderRate);
  while (true) {
    synth->Render(left.data(), right.data(), kChunkFrames);
    rendered += kChunkFrames;
    float peak = 0;
    for (int i = 0; i < kChunkFrames; ++i) peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
    // Past the song's end, a quiet chunk ends the file: the tail has died.
    const bool past = rendered > songEnd;
    const bool last = past && ((peak < kSilence && synth->Pending() == 0) || rendered >= songEnd + kMaxTailFrames);
    if (last) {
      for (int i = 0; i < kChunkFrames; ++i) {
        const float fade = 1.0f - static_cast<float>(i + 1) / kChunkFrames;
        left[static_cast<std::size_t>(i)] *= fade;
        right[static_cast<std::size_t>(i)] *= fade;
      }
    }
    outLeft.clear();
    outRight.clear();
    converter.Push(left.data(), right.data(), kChunkFrames, outLeft, outRight);
    if (last) converter.Finish(outLeft, outRight);
    if (!file.Write(outLeft.data(), outRight.data(), static_cast<int>(outLeft.size()))) return writeFailed();
    written += static_cast<std::int64_t>(outLeft.size());
    if (last) break;
    if (progress && !progress(std::min(0.99, static_cast<double>(rendered) / expected))) return fail({}, true);
  }
  if (!file.Close()) return writeFailed();
  try {
    save->Commit();
  } catch (const SaveError& e) {
    return fail("Cannot write file " + job.path + ": " + e.reason().toStdString() + ".", false);
  }
  if (progress) progress(1.0);
  result.ok = true;
  result.seconds = static_cast<double>(written) / kAudioExportSampleRate;
  return result;
}

}  // namespace strumbly
