#pragma once
// SIGTERM, SIGINT and SIGHUP (a kill, Ctrl+C in the terminal, the end of the
// session) turned into a Qt signal on the thread that made this object, so
// that the window can end the clean way: settings and dictionary written,
// the MIDI port closed, an unsaved song kept for recovery. The system's
// handler only writes the signal's number into a pipe; everything else
// happens in the event loop.
#include <QObject>

class QSocketNotifier;

namespace strumbly {

class TerminationSignals : public QObject {
  Q_OBJECT
 public:
  // Catches the three signals until destroyed; then their former handling
  // returns. One object at a time.
  explicit TerminationSignals(QObject* parent = nullptr);
  ~TerminationSignals() override;

 signals:
  void terminationRequested(int signalNumber);

 private:
  void Drain();
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace strumbly
