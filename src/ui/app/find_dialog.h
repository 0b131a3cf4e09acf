#pragma once
// Tfrmfind: "Find Text". Asks for a text and selects its next occurrence in
// the editor, searching forward from the end of the selection to the end of
// the text, without wrapping. Made once; the text and the options stay from
// one use to the next.
#include <QDialog>
#include <QString>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace strumbly {

class Tfrmfind : public QDialog {
  Q_OBJECT
 public:
  // How the dialog closed (its result()).
  enum Result { Cancelled = QDialog::Rejected, Found = QDialog::Accepted, NotFound = 2 };

  Tfrmfind(QPlainTextEdit& editor, QWidget* parent);

  const QString& SearchText() const { return searchText_; }
  // The selection the last search left: its start and length in characters.
  int FoundStart() const { return foundStart_; }
  int FoundLength() const { return foundLength_; }

  // Searches for the text from the end of the editor's selection with the
  // options of the check boxes, and selects the match. Not found, the
  // selection shrinks to its start. Sets the dialog's result.
  bool FindNextMatch();

  // `Search string "TEXT" not found`
  QString NotFoundMessage() const;

  QLineEdit* Edit1;
  QCheckBox* chkWholeWord;
  QCheckBox* chkMatchCase;
  QPushButton* btnOK;
  QPushButton* btnCancel;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void FormActivate();
  void btnOKClick();
  void btnCancelClick();
  void RememberSelection();

  QPlainTextEdit& editor_;
  QString searchText_;
  int foundStart_ = 0;
  int foundLength_ = 0;
};

}  // namespace strumbly
