#pragma once
// A main window for tests of what it sounds: songs are set in one call and
// the recorded messages read as text.
#include <QStringList>
#include <functional>

#include "support/main_window_fixture.h"

namespace strumbly {
class Player;
}

namespace strumbly::test {

// Runs the event loop until the player is quiet (no playback, no preview),
// for at most timeoutMs; false when it still sounds then.
bool RunUntilQuiet(Player& player, int timeoutMs = 20000);
// Presses Play (PlayOrStop) and runs the event loop until the playback ends.
void PlayToEnd(Player& player, int timeoutMs = 20000);

class SoundWindowTest : public MainWindowTest {
 protected:
  // Puts the lines into the editor, the caret on line 0, tempo as given.
  void SetSong(const QStringList& lines, int tempo = 500);
  // Runs action from the event loop after ms, while a playback runs.
  void After(int ms, std::function<void()> action);
  // Presses btnPlay with the given mouse button.
  void PressPlay(Qt::MouseButton button = Qt::LeftButton);
  // PlayOrStop, then the event loop until the playback has ended.
  void PlayToEnd() { test::PlayToEnd(window->player()); }
  // The event loop until previews and steps have sounded out.
  void RunUntilQuiet() { test::RunUntilQuiet(window->player()); }
  // The messages as "90 40" style text, for readable comparisons.
  QStringList MessageTexts() const;
  // Starts the window anew with External MIDI mode on in its settings.
  TfrmMain& RestartInExternalMidiMode();
};

}  // namespace strumbly::test
