#pragma once
// A main window on its own settings file, with scripted dialogs, sounding
// into a recording device, in a temporary working folder.
#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "support/recording_midi_output.h"
#include "support/scripted_dialogs.h"
#include "ui/app/main_window.h"
#include "ui/app/song_files.h"
#include "ui/guitar/tuning_menu.h"
#include "ui/qt_text.h"
#include "ui/sound/instrument_menu.h"
#include "ui/sound/player.h"

namespace strumbly {
class NeckMarker;
}

namespace strumbly::test {

// A chord line used all over the window tests.
inline constexpr const char* kCMajor = "C, x, 3, 2, 0, 1, 0, Q";

class MainWindowTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  DialogsScope dialogs;
  RecordingMidiOutput device;  // outlives the window
  std::unique_ptr<TfrmMain> window;

  QString settingsPath() const { return dir.filePath("Strumbly.conf"); }
  // Creates the window (and the program's other windows) as start-up does.
  TfrmMain& Start(const QStringList& arguments = {});
  // Closes the window (its settings are written) and starts a new one.
  TfrmMain& Restart(const QStringList& arguments = {});
  void SetUp() override;
  void TearDown() override;
  // Shows the window for real (offscreen) and waits until it is active,
  // as focus changes need; no welcome window comes over it.
  void ShowAndActivate();
  // Types text into the editor as the user does, key by key.
  void Type(const QString& text);
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void SetText(const QString& text);
  // The sheet's text with the caret at the start of a line, shown.
  void Sheet(const QString& text, int caretLine);
  // The neck's marker of string 1..6 at fret 0..18.
  NeckMarker* Marker(int string, int fret);

 private:
  QString previousFolder_;
};

}  // namespace strumbly::test
