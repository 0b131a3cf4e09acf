#include "ui/app/about_box.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app/pictures.h"

namespace strumbly {

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName("TfrmAbout");
  setWindowTitle("About");
  auto* row = new QHBoxLayout(this);
  auto* picture = new QLabel(this);
  picture->setObjectName("imgAbout");
  picture->setPixmap(PickPicture(112, devicePixelRatioF()));
  row->addWidget(picture, 0, Qt::AlignTop);
  auto* col = new QVBoxLayout;
  auto* name = new QLabel("Strumbly", this);
  name->setObjectName("lblProgramName");
  QFont big = name->font();
  big.setPointSize(24);
  big.setBold(true);
  name->setFont(big);
  lblVersion = new QLabel(this);
  lblVersion->setObjectName("lblVersion");
  auto* blurb = new QLabel("Write, hear and print guitar chord sequences.", this);
  btnOK = new QPushButton("OK", this);
  btnOK->setObjectName("btnOK");
  btnOK->setDefault(true);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  col->addWidget(name);
  col->addWidget(lblVersion);
  col->addWidget(blurb);
  col->addStretch();
  col->addWidget(btnOK, 0, Qt::AlignRight);
  row->addLayout(col);
  setFixedSize(sizeHint().expandedTo(QSize(380, 150)));
}

void TfrmAbout::StartSound() {
  lblVersion->setText("Version 1.0");
  if (!sounding_ && onActivated) onActivated();
  sounding_ = true;
}

void TfrmAbout::StopSound() {
  if (sounding_ && onDeactivated) onDeactivated();
  sounding_ = false;
}

void TfrmAbout::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  StartSound();
}

void TfrmAbout::hideEvent(QHideEvent* e) {
  StopSound();
  QDialog::hideEvent(e);
}

void TfrmAbout::changeEvent(QEvent* e) {
  QDialog::changeEvent(e);
  if (e->type() != QEvent::ActivationChange || !isVisible()) return;
  if (isActiveWindow())
    StartSound();
  else
    StopSound();
}

}  // namespace strumbly
