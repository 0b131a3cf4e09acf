#include "support/scripted_dialogs.h"

#include <QPrinter>

namespace strumbly::test {

MessageResult ScriptedDialogs::Message(QWidget*, MessageKind kind, const QString& text, MessageButtons buttons) {
  messages.push_back({kind, text, buttons});
  if (!messageAnswers.empty()) {
    auto a = messageAnswers.front();
    messageAnswers.pop_front();
    return a;
  }
  switch (buttons) {
    case MessageButtons::Cancel:
      return MessageResult::Cancel;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
      return MessageResult::Yes;
    default:
      return MessageResult::Ok;
  }
}

MessageResult ScriptedDialogs::Ask(QWidget* parent, const QString& caption, const QString& text,
                                   MessageButtons buttons) {
  askCaptions << caption;
  return Message(parent, MessageKind::Plain, text, buttons);
}

int ScriptedDialogs::Choose(QWidget*, const QStringList& items) {
  choices.push_back(items);
  if (chooseAnswers.empty()) return items.isEmpty() ? -1 : 0;
  const int a = chooseAnswers.front();
  chooseAnswers.pop_front();
  return a;
}

std::optional<int> ScriptedDialogs::Number(QWidget*, const QString& caption, const QString& label, int value, int min,
                                           int max) {
  numbersAsked.push_back({caption, label, value, min, max});
  if (numberAnswers.empty()) return value;
  const std::optional<int> a = numberAnswers.front();
  numberAnswers.pop_front();
  return a;
}

QString ScriptedDialogs::OpenFile(QWidget*, const FileDialogOptions& options) {
  fileDialogs.push_back(options);
  if (fileAnswers.empty()) return {};
  auto a = fileAnswers.front();
  fileAnswers.pop_front();
  return a;
}

QString ScriptedDialogs::SaveFile(QWidget* parent, const FileDialogOptions& options) {
  return OpenFile(parent, options);
}

bool ScriptedDialogs::Print(QWidget*, QPrinter& printer) {
  ++printDialogs;
  printedDocName = printer.docName();
  if (printAnswer && !printToFile.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToFile);
  }
  return printAnswer;
}

int ScriptedDialogs::Exec(QDialog& dialog) {
  executedWindows << dialog.objectName();
  dialog.setAttribute(Qt::WA_DontShowOnScreen);
  dialog.show();  // so the window's show and activation work runs
  if (onExec) onExec(dialog);
  dialog.hide();
  int result = QDialog::Accepted;
  if (!execAnswers.empty()) {
    result = execAnswers.front();
    execAnswers.pop_front();
  }
  return result;
}

QStringList ScriptedDialogs::texts() const {
  QStringList out;
  for (const auto& m : messages) out << m.text;
  return out;
}

DialogsScope::DialogsScope() {
  auto d = std::make_unique<ScriptedDialogs>();
  dialogs_ = d.get();
  previous_ = SetDialogs(std::move(d));
}

DialogsScope::~DialogsScope() { SetDialogs(std::move(previous_)); }

}  // namespace strumbly::test
