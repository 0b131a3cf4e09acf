#pragma once
// "Tabulature ": asks for the title and subtitle printed on tablature.
#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace strumbly {

class TfrmGetTabInfo : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmGetTabInfo(QWidget* parent = nullptr);

  // Fills the boxes from the song's "TITLE:" and "SUB:" comments; the file
  // name (without folder and extension) stands in for a missing title.
  void Preload(const std::vector<std::string>& lines, const std::string& songFileName);

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLineEdit* edtTitle;
  QLineEdit* edtBy;
  QPushButton* btnOK;
  QPushButton* btnCancel;
};

}  // namespace strumbly
