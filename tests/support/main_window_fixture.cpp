#include "support/main_window_fixture.h"

#include <QDir>
#include <QTest>

#include "platform/settings_store.h"
#include "ui/guitar/neck_marker.h"

namespace strumbly::test {

void MainWindowTest::SetUp() {
  // Whatever a test saves without a folder lands here, never in the
  // folder the tests were started from.
  previousFolder_ = QDir::currentPath();
  QDir::setCurrent(dir.path());
  // Each test keeps its recovery files to itself.
  qputenv("XDG_STATE_HOME", dir.filePath("state").toUtf8());
  Start();
}

TfrmMain& MainWindowTest::Start(const QStringList& arguments) {
  if (window) {
    window->song().SetModified(false);
    window->close();
    window.reset();
  }
  window = std::make_unique<TfrmMain>(arguments, std::make_unique<IniSettingsStore>(settingsPath()), &device);
  window->CreateOtherWindows();
  window->setAttribute(Qt::WA_DontShowOnScreen);
  return *window;
}

TfrmMain& MainWindowTest::Restart(const QStringList& arguments) {
  window->song().SetModified(false);
  EXPECT_TRUE(window->close());
  return Start(arguments);
}

void MainWindowTest::TearDown() {
  if (window) {
    window->song().SetModified(false);
    window->close();
  }
  window.reset();
  QDir::setCurrent(previousFolder_);
}

void MainWindowTest::ShowAndActivate() {
  window->settings().FirstRun = false;
  window->setAttribute(Qt::WA_DontShowOnScreen, false);  // offscreen anyway; focus needs a shown window
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void MainWindowTest::Key(int key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(window->RichEdit1, static_cast<Qt::Key>(key), modifiers);
}

void MainWindowTest::Type(const QString& text) { QTest::keyClicks(window->RichEdit1, text); }

void MainWindowTest::SetText(const QString& text) { window->RichEdit1->setPlainText(text); }

void MainWindowTest::Sheet(const QString& text, int caretLine) {
  SetText(text);
  window->sheet().SelectLine(caretLine, false);
  window->ShowLine(caretLine);
}

NeckMarker* MainWindowTest::Marker(int string, int fret) {
  return window->findChild<NeckMarker*>(QString::asprintf("DOT_s%02d_f%02d", string, fret));
}

}  // namespace strumbly::test
