#include "ui/app/small_windows.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace strumbly {

namespace {
QLabel* BoldLabel(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}
}  // namespace

TfrmNoSoundMessage::TfrmNoSoundMessage(QWidget* parent) : QDialog(parent) {
  setObjectName("TfrmNoSoundMessage");
  setWindowTitle("Error opening sound device");
  auto* col = new QVBoxLayout(this);
  col->addWidget(BoldLabel("There was an error opening  the MIDI device/Sound card:", this));
  lblOpenError = MakePlain(new QLabel(this));
  lblOpenError->setObjectName("lblOpenError");
  col->addWidget(lblOpenError);
  col->addWidget(new QLabel("Program will function without sound.", this));
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("btnOK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  col->addWidget(ok, 0, Qt::AlignHCenter);
}

void TfrmNoSoundMessage::SetOpenError(const QString& text) { lblOpenError->setText(text); }

TfrmNewUserMessage::TfrmNewUserMessage(QWidget* parent) : QDialog(parent) {
  setObjectName("TfrmNewUserMessage");
  setWindowTitle("Welcome");
  auto* col = new QVBoxLayout(this);
  col->addWidget(BoldLabel("Welcome to Strumbly!", this));
  col->addWidget(new QLabel("Would you like to see the 'Getting Started' help topic?", this));
  auto* row = new QHBoxLayout;
  btnYes = new QPushButton("Yes", this);
  btnYes->setObjectName("btnYes");
  btnYes->setDefault(true);
  btnNo = new QPushButton("No", this);
  btnNo->setObjectName("btnNo");
  connect(btnYes, &QPushButton::clicked, this, [this] { done(Yes); });
  connect(btnNo, &QPushButton::clicked, this, [this] { done(No); });
  row->addStretch();
  row->addWidget(btnYes);
  row->addWidget(btnNo);
  col->addLayout(row);
}

QDialog* MakeShellWindow(QWidget* parent, const char* className, const QString& caption) {
  auto* w = new QDialog(parent);
  w->setObjectName(className);
  w->setWindowTitle(caption);
  return w;
}

}  // namespace strumbly
