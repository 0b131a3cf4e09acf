#include "ui/app/help_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace strumbly {

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("THelpWindow");
  setWindowTitle("Strumbly Help");
  auto* col = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  auto* back = new QPushButton("Back", this);
  auto* forward = new QPushButton("Forward", this);
  auto* contents = new QPushButton("Contents", this);
  auto* topics = new QPushButton("Topics", this);
  for (auto* b : {back, forward, contents, topics}) row->addWidget(b);
  row->addStretch();
  col->addLayout(row);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("helpBrowser");
  browser_->setOpenExternalLinks(true);
  col->addWidget(browser_);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
  connect(contents, &QPushButton::clicked, this, [this] { ShowContext(1); });
  connect(topics, &QPushButton::clicked, this, [this] { ShowTopics(); });
  back->setEnabled(false);
  forward->setEnabled(false);
  resize(640, 560);
}

void THelpWindow::Open(const QString& page) {
  browser_->setSource(QUrl("qrc:/help/" + page));
  show();
  raise();
  activateWindow();
}

void THelpWindow::ShowContext(int context) { Open(context == 14 ? "getting-started.html" : "index.html"); }

void THelpWindow::ShowTopics() { Open("topics.html"); }

QString THelpWindow::currentPage() const { return browser_->source().fileName(); }

}  // namespace strumbly
