#include "ui/app/application.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <memory>

#include "platform/termination_signals.h"
#include "ui/app/main_window.h"
#include "ui/app/pictures.h"

namespace strumbly {

namespace {

constexpr int kSplashMs = 3000;

// The splash stays on screen, unchanging, for its full time, while the
// event loop runs; then the run goes on.
std::unique_ptr<QLabel> ShowSplash() {
  auto splash = std::make_unique<QLabel>(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
  splash->setObjectName("TfrmSplash");
  const qreal dpr = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->devicePixelRatio() : 1.0;
  splash->setPixmap(SplashPicture(dpr));
  splash->adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    splash->move(screen->geometry().center() - splash->rect().center());
  splash->show();
  return splash;
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

  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  std::unique_ptr<TfrmMain> main;
  std::unique_ptr<TerminationSignals> termination;
  std::unique_ptr<QLabel> splash;
  auto start = [&] {
    main = std::make_unique<TfrmMain>(arguments);
    main->CreateOtherWindows();
    // A kill, Ctrl+C or the end of the session closes the window the clean way.
    termination = std::make_unique<TerminationSignals>();
    QObject::connect(termination.get(), &TerminationSignals::terminationRequested, main.get(),
                     [&main] { main->CloseWithoutQuestions(); });
    if (splash) splash->hide();
    main->show();
  };
  if (qgetenv("STRUMBLY_NO_SPLASH") != "1") {
    splash = ShowSplash();
    QTimer::singleShot(kSplashMs, start);
  } else {
    start();
  }
  return QApplication::exec();
}

}  // namespace strumbly
