#pragma once
// The program's small modal windows.
#include <QDialog>

class QLabel;
class QPushButton;

namespace strumbly {

// "Error opening sound device": why the MIDI device did not open.
class TfrmNoSoundMessage : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmNoSoundMessage(QWidget* parent = nullptr);
  // The open's error text, shown above "Program will function without sound.".
  void SetOpenError(const QString& text);

 private:
  QLabel* lblOpenError;
};

// "Welcome": offered once, on the first run.
class TfrmNewUserMessage : public QDialog {
  Q_OBJECT
 public:
  enum Result { No = 0, Yes = 1 };
  explicit TfrmNewUserMessage(QWidget* parent = nullptr);
  QPushButton* btnYes;
  QPushButton* btnNo;
};

// A window whose commands come later: its class name and caption only.
QDialog* MakeShellWindow(QWidget* parent, const char* className, const QString& caption);

}  // namespace strumbly
