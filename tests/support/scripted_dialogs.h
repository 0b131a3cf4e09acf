#pragma once
// Dialogs for tests: every message and dialog is recorded and answered from
// a script instead of being shown.
#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

#include "platform/dialogs.h"

namespace strumbly::test {

struct ShownMessage {
  MessageKind kind;
  QString text;
  MessageButtons buttons;
};

class ScriptedDialogs : public Dialogs {
 public:
  std::vector<ShownMessage> messages;
  std::deque<MessageResult> messageAnswers;  // default: Ok / Yes
  std::deque<QString> fileAnswers;           // default: cancelled
  std::vector<FileDialogOptions> fileDialogs;
  bool printAnswer = false;
  int printDialogs = 0;
  QString printedDocName;  // the job title of the last print dialog
  QString printToFile;     // when set, a confirmed print goes to this PDF
  std::optional<QColor> colorAnswer;
  std::deque<int> execAnswers;  // default: QDialog::Accepted
  QStringList executedWindows;  // object names of the windows shown modally
  std::function<void(QDialog&)> onExec;
  QStringList askCaptions;           // captions of the questions asked
  std::vector<QStringList> choices;  // the items of every choice offered
  std::deque<int> chooseAnswers;     // default: the first item
  struct NumberAsked {
    QString caption, label;
    int value, min, max;
  };
  std::vector<NumberAsked> numbersAsked;
  std::deque<std::optional<int>> numberAnswers;  // default: the value offered

  MessageResult Message(QWidget*, MessageKind kind, const QString& text, MessageButtons buttons) override;
  QString OpenFile(QWidget*, const FileDialogOptions& options) override;
  QString SaveFile(QWidget*, const FileDialogOptions& options) override;
  bool Print(QWidget*, QPrinter&) override;
  std::optional<QColor> Color(QWidget*, const QColor&) override { return colorAnswer; }
  std::optional<QFont> Font(QWidget*, const QFont&) override { return std::nullopt; }
  int Exec(QDialog& dialog) override;
  MessageResult Ask(QWidget* parent, const QString& caption, const QString& text, MessageButtons buttons) override;
  int Choose(QWidget* parent, const QStringList& items) override;
  std::optional<int> Number(QWidget*, const QString& caption, const QString& label, int value, int min,
                            int max) override;

  QStringList texts() const;
};

// Installs scripted dialogs for the lifetime of the object.
class DialogsScope {
 public:
  DialogsScope();
  ~DialogsScope();
  ScriptedDialogs& operator*() { return *dialogs_; }
  ScriptedDialogs* operator->() { return dialogs_; }

 private:
  ScriptedDialogs* dialogs_;
  std::unique_ptr<Dialogs> previous_;
};

}  // namespace strumbly::test
