#pragma once
// A main window whose MIDI port sounds into a recording device.
#include <QStringList>
#include <functional>

#include "support/main_window_fixture.h"
#include "support/recording_midi_output.h"

namespace strumbly::test {

class SoundWindowTest : public MainWindowTest {
 protected:
  RecordingMidiOutput device;

  void SetUp() override;
  void TearDown() override;
  // Puts the lines into the editor, the caret on line 0, tempo as given.
  void SetSong(const QStringList& lines, int tempo = 500);
  // Runs action from the event loop after ms, while a playback waits.
  void After(int ms, std::function<void()> action);
  // Presses btnPlay with the given mouse button.
  void PressPlay(Qt::MouseButton button = Qt::LeftButton);
  // The messages as "90 40" style text, for readable comparisons.
  QStringList MessageTexts() const;
};

}  // namespace strumbly::test
