#pragma once
// The in-program help: our own pages, compiled into the program.
#include <QWidget>

class QTextBrowser;

namespace strumbly {

class THelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit THelpWindow(QWidget* parent = nullptr);
  // Context 1 is the main page, 14 "Getting Started"; others open the main page.
  void ShowContext(int context);
  void ShowTopics();
  QString currentPage() const;
  QTextBrowser* browser() const { return browser_; }

 private:
  void Open(const QString& page);
  QTextBrowser* browser_;
};

}  // namespace strumbly
