#include "ui/app/find_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QVBoxLayout>

namespace strumbly {

namespace {
// A selection up to this long fills the box when the dialog opens.
constexpr int kLongestSelectionTaken = 29;
}  // namespace

Tfrmfind::Tfrmfind(QPlainTextEdit& editor, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      editor_(editor) {
  setObjectName("Tfrmfind");
  setWindowTitle("Find Text");

  auto* grid = new QGridLayout(this);
  auto* label = new QLabel("Text to find:", this);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setMinimumWidth(220);
  label->setBuddy(Edit1);
  chkWholeWord = new QCheckBox("Whole Word", this);
  chkWholeWord->setObjectName("chkWholeWord");
  chkMatchCase = new QCheckBox("Match Case", this);
  chkMatchCase->setObjectName("chkMatchCase");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
  btnOK = buttons->button(QDialogButtonBox::Ok);
  btnOK->setObjectName("btnOK");
  btnOK->setText("OK");
  btnOK->setDefault(true);
  btnCancel = buttons->button(QDialogButtonBox::Cancel);
  btnCancel->setObjectName("btnCancel");
  btnCancel->setText("Cancel");

  grid->addWidget(label, 0, 0);
  grid->addWidget(Edit1, 1, 0);
  auto* options = new QVBoxLayout;
  options->addWidget(chkWholeWord);
  options->addWidget(chkMatchCase);
  grid->addLayout(options, 2, 0);
  grid->addWidget(buttons, 0, 1, 3, 1, Qt::AlignTop);
  grid->setSizeConstraint(QLayout::SetFixedSize);

  connect(Edit1, &QLineEdit::textChanged, this, [this](const QString& text) { searchText_ = text; });
  connect(btnOK, &QPushButton::clicked, this, &Tfrmfind::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &Tfrmfind::btnCancelClick);
}

void Tfrmfind::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  FormActivate();
}

void Tfrmfind::FormActivate() {
  setResult(Cancelled);
  const QTextCursor selection = editor_.textCursor();
  foundLength_ = 0;
  foundStart_ = selection.selectionStart();
  // A short selection within one line is what the user wants to find.
  const QString selected = selection.selectedText();
  if (!selected.isEmpty() && selected.size() <= kLongestSelectionTaken && !selected.contains(QChar::ParagraphSeparator))
    Edit1->setText(selected);
  Edit1->setFocus();
  Edit1->selectAll();
}

void Tfrmfind::RememberSelection() {
  const QTextCursor selection = editor_.textCursor();
  foundStart_ = selection.selectionStart();
  foundLength_ = selection.selectionEnd() - selection.selectionStart();
}

bool Tfrmfind::FindNextMatch() {
  QTextCursor cursor = editor_.textCursor();
  QTextDocument::FindFlags flags;
  if (chkWholeWord->isChecked()) flags |= QTextDocument::FindWholeWords;
  if (chkMatchCase->isChecked()) flags |= QTextDocument::FindCaseSensitively;
  const QTextCursor match =
      searchText_.isEmpty() ? QTextCursor() : editor_.document()->find(searchText_, cursor.selectionEnd(), flags);
  const bool found = !match.isNull();
  if (found) {
    editor_.setTextCursor(match);
  } else {
    cursor.setPosition(cursor.selectionStart());
    editor_.setTextCursor(cursor);
  }
  editor_.ensureCursorVisible();
  setResult(found ? Found : NotFound);
  RememberSelection();
  return found;
}

QString Tfrmfind::NotFoundMessage() const { return "Search string \"" + searchText_ + "\" not found"; }

void Tfrmfind::btnOKClick() {
  FindNextMatch();
  done(result());
}

void Tfrmfind::btnCancelClick() {
  foundLength_ = 0;
  done(Cancelled);
}

}  // namespace strumbly
