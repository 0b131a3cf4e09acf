#pragma once
// A main window on its own settings file, with scripted dialogs.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "support/scripted_dialogs.h"
#include "ui/main_window.h"

namespace strumbly::test {

class MainWindowTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  DialogsScope dialogs;
  std::unique_ptr<TfrmMain> window;

  QString settingsPath() const { return dir.filePath("Strumbly.conf"); }
  // Creates the window (and the program's other windows) as start-up does.
  TfrmMain& Start(const QStringList& arguments = {});
  void SetUp() override { Start(); }
  void TearDown() override;
  // Types text into the editor as the user does, key by key.
  void Type(const QString& text);
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void SetText(const QString& text);
};

}  // namespace strumbly::test
