#include "support/sound_window_fixture.h"

#include <QEventLoop>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include "ui/sound/player.h"

namespace strumbly::test {

bool RunUntilQuiet(Player& player, int timeoutMs) {
  if (!player.IsSounding() && !player.IsPlaying()) return true;
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (!player.IsSounding() && !player.IsPlaying()) loop.quit();
  });
  poll.start(1);
  QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
  loop.exec();
  return !player.IsSounding() && !player.IsPlaying();
}

void PlayToEnd(Player& player, int timeoutMs) {
  player.PlayOrStop();
  EXPECT_TRUE(RunUntilQuiet(player, timeoutMs)) << "the playback did not end";
}

void SoundWindowTest::SetSong(const QStringList& lines, int tempo) {
  window->sheet().SetLines(lines);
  window->trackbarTempo->setValue(tempo);
  window->sheet().SelectLine(0, false);
}

void SoundWindowTest::After(int ms, std::function<void()> action) {
  QTimer::singleShot(ms, window.get(), std::move(action));
}

void SoundWindowTest::PressPlay(Qt::MouseButton button) { QTest::mousePress(window->btnPlay, button); }

QStringList SoundWindowTest::MessageTexts() const {
  QStringList out;
  for (const auto& m : device.messages)
    out << QString("%1 %2").arg(m.message.status, 2, 16, QChar('0')).arg(m.message.data1).toUpper();
  return out;
}

TfrmMain& SoundWindowTest::RestartInExternalMidiMode() {
  window->settings().ExternalMIDI = true;
  TfrmMain& w = Restart();
  device.Clear();
  return w;
}

}  // namespace strumbly::test
