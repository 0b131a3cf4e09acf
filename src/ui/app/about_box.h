#pragma once
#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace strumbly {

// The About box: picture, name, version, OK. Its looping sound is started
// and stopped through the two hooks as the box gains and loses activation.
class TfrmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAbout(QWidget* parent = nullptr);
  QLabel* lblVersion;
  QPushButton* btnOK;
  std::function<void()> onActivated;
  std::function<void()> onDeactivated;

 protected:
  void changeEvent(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  bool sounding_ = false;
  void StartSound();
  void StopSound();
};

}  // namespace strumbly
