#pragma once
// A main window for tests of what it sounds: songs are set in one call and
// the recorded messages read as text.
#include <QStringList>
#include <functional>

#include "support/main_window_fixture.h"

namespace strumbly::test {

class SoundWindowTest : public MainWindowTest {
 protected:
  // Puts the lines into the editor, the caret on line 0, tempo as given.
  void SetSong(const QStringList& lines, int tempo = 500);
  // Runs action from the event loop after ms, while a playback waits.
  void After(int ms, std::function<void()> action);
  // Presses btnPlay with the given mouse button.
  void PressPlay(Qt::MouseButton button = Qt::LeftButton);
  // The messages as "90 40" style text, for readable comparisons.
  QStringList MessageTexts() const;
  // Starts the window anew with External MIDI mode on in its settings.
  TfrmMain& RestartInExternalMidiMode();
};

}  // namespace strumbly::test
