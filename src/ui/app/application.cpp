#include "ui/app/application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QThread>

#include "platform/termination_signals.h"
#include "ui/app/main_window.h"
#include "ui/app/pictures.h"

namespace strumbly {

namespace {

constexpr int kSplashMs = 3000;

// The splash stays on screen, unchanging, for its full time.
void ShowSplash() {
  QLabel splash(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
  splash.setObjectName("TfrmSplash");
  const qreal dpr = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->devicePixelRatio() : 1.0;
  splash.setPixmap(SplashPicture(dpr));
  splash.adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    splash.move(screen->geometry().center() - splash.rect().center());
  splash.show();
  splash.repaint();
  QElapsedTimer shown;
  shown.start();
  // Let the window system map and paint the splash; no input is handled.
  while (shown.elapsed() < kSplashMs) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    QThread::msleep(20);
  }
  splash.hide();
}

}  // namespace

int RunStrumbly(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Strumbly");
  QApplication::setApplicationDisplayName("Strumbly");
  QApplication::setOrganizationName("Strumbly");
  QApplication::setQuitOnLastWindowClosed(true);
  QGuiApplication::setDesktopFileName("strumbly");
  QApplication::setWindowIcon(QIcon::fromTheme("strumbly", QIcon(QPixmap::fromImage(PickPicture(64).toImage()))));

  if (qgetenv("STRUMBLY_NO_SPLASH") != "1") ShowSplash();

  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  TfrmMain main(arguments);
  main.CreateOtherWindows();
  // A kill, Ctrl+C or the end of the session closes the window the clean way.
  TerminationSignals termination;
  QObject::connect(&termination, &TerminationSignals::terminationRequested, &main,
                   [&main] { main.CloseWithoutQuestions(); });
  main.show();
  return QApplication::exec();
}

}  // namespace strumbly
