#include "ui/tab/tab_info_window.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/song_names.h"
#include "core/tab/tab_titles.h"
#include "ui/fit_to_screen.h"

namespace strumbly {

namespace {
constexpr const char* kTitleHint = "Title to be printed on tabulature. File name is used by default.";
constexpr const char* kSubHint = "Subtitle to be printed on tabulature. File name is used by default.";
}  // namespace

TfrmGetTabInfo::TfrmGetTabInfo(QWidget* parent) : QDialog(parent) {
  setObjectName("TfrmGetTabInfo");
  setWindowTitle("Tabulature");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  Label3 = new QLabel("Enter titles for tabulature", this);
  Label3->setObjectName("Label3");
  QFont bold = Label3->font();
  bold.setBold(true);
  Label3->setFont(bold);

  Label4 = new QLabel(
      "These titles will print at the top of the tabulature. To pre-load them, include ' * Title: ' and ' *Sub: ' "
      "lines in your files.",
      this);
  Label4->setObjectName("Label4");
  Label4->setWordWrap(true);

  Label1 = new QLabel("Title:", this);
  Label1->setObjectName("Label1");
  Label1->setToolTip(kTitleHint);
  edtTitle = new QLineEdit(this);
  edtTitle->setObjectName("edtTitle");
  edtTitle->setToolTip(kTitleHint);
  Label1->setBuddy(edtTitle);

  Label2 = new QLabel("Sub:", this);
  Label2->setObjectName("Label2");
  Label2->setToolTip(kSubHint);
  edtBy = new QLineEdit(this);
  edtBy->setObjectName("edtBy");
  edtBy->setToolTip(kSubHint);
  Label2->setBuddy(edtBy);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  btnOK = buttons->button(QDialogButtonBox::Ok);
  btnOK->setObjectName("btnOK");
  btnOK->setText("OK");
  btnOK->setDefault(true);
  btnCancel = buttons->button(QDialogButtonBox::Cancel);
  btnCancel->setObjectName("btnCancel");
  btnCancel->setText("Cancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* fields = new QGridLayout;
  fields->addWidget(Label1, 0, 0);
  fields->addWidget(edtTitle, 0, 1);
  fields->addWidget(Label2, 1, 0);
  fields->addWidget(edtBy, 1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label3);
  layout->addWidget(Label4);
  layout->addLayout(fields);
  layout->addWidget(buttons);
  FitToScreen(*this, QSize(420, 190));  // never larger than the screen
}

void TfrmGetTabInfo::Preload(const std::vector<std::string>& lines, const std::string& songFileName) {
  std::string title = FindTabTitle(lines);
  if (title.empty()) title = TitleOf(songFileName);
  SetTitles(title, FindTabSubtitle(lines));
  edtTitle->setFocus();
  edtTitle->selectAll();
}

void TfrmGetTabInfo::SetTitles(const std::string& title, const std::optional<std::string>& subtitle) {
  edtTitle->setText(QString::fromStdString(title));
  if (subtitle) edtBy->setText(QString::fromStdString(*subtitle));
}

std::string TfrmGetTabInfo::Title() const { return edtTitle->text().toStdString(); }
std::string TfrmGetTabInfo::Subtitle() const { return edtBy->text().toStdString(); }

}  // namespace strumbly
