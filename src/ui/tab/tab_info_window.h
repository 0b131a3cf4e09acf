#pragma once
// "Tabulature ": asks for the title and subtitle printed on tablature.
#include <QDialog>
#include <optional>
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
  // Puts a title, and a subtitle when one is given, into the boxes.
  void SetTitles(const std::string& title, const std::optional<std::string>& subtitle);
  // The boxes' texts.
  std::string Title() const;
  std::string Subtitle() const;

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
