#include "support/main_window_fixture.h"

#include <QTest>

#include "platform/settings_store.h"

namespace strumbly::test {

TfrmMain& MainWindowTest::Start(const QStringList& arguments) {
  if (window) {
    window->Modified = false;
    window->close();
    window.reset();
  }
  window = std::make_unique<TfrmMain>(arguments, std::make_unique<IniSettingsStore>(settingsPath()));
  window->CreateOtherWindows();
  window->setAttribute(Qt::WA_DontShowOnScreen);
  return *window;
}

void MainWindowTest::TearDown() {
  if (window) {
    window->Modified = false;
    window->close();
  }
  window.reset();
}

void MainWindowTest::Key(int key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(window->RichEdit1, static_cast<Qt::Key>(key), modifiers);
}

void MainWindowTest::Type(const QString& text) { QTest::keyClicks(window->RichEdit1, text); }

void MainWindowTest::SetText(const QString& text) {
  window->RichEdit1->setPlainText(text);
}

}  // namespace strumbly::test
