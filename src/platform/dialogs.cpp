#include "platform/dialogs.h"

#include <QColorDialog>
#include <QCursor>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace strumbly {

namespace {
std::unique_ptr<Dialogs>& Current() {
  static std::unique_ptr<Dialogs> current = std::make_unique<QtDialogs>();
  return current;
}
}  // namespace

Dialogs& dialogs() { return *Current(); }

std::unique_ptr<Dialogs> SetDialogs(std::unique_ptr<Dialogs> replacement) {
  auto previous = std::move(Current());
  Current() = std::move(replacement);
  return previous;
}

namespace {

MessageResult RunBox(QMessageBox& box, MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MessageButtons::Cancel:
      box.setStandardButtons(QMessageBox::Cancel);
      break;
    case MessageButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MessageButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return MessageResult::Yes;
    case QMessageBox::No:
      return MessageResult::No;
    case QMessageBox::Ok:
      return MessageResult::Ok;
    default:
      return MessageResult::Cancel;
  }
}

}  // namespace

MessageResult QtDialogs::Ask(QWidget* parent, const QString& caption, const QString& text, MessageButtons buttons) {
  QMessageBox box(parent);
  box.setWindowTitle(caption);
  box.setIcon(QMessageBox::Question);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  return RunBox(box, buttons);
}

int QtDialogs::Choose(QWidget* parent, const QStringList& items) {
  QMenu menu(parent);
  // An '&' is a character of the item, not the mark of a shortcut letter.
  for (int i = 0; i < items.size(); ++i) menu.addAction(QString(items[i]).replace('&', "&&"))->setData(i);
  if (!items.isEmpty()) menu.setActiveAction(menu.actions().first());
  QAction* chosen = menu.exec(QCursor::pos());
  return chosen ? chosen->data().toInt() : -1;
}

std::optional<int> QtDialogs::Number(QWidget* parent, const QString& caption, const QString& label, int value, int min,
                                     int max) {
  bool ok = false;
  const int n = QInputDialog::getInt(parent, caption, label, value, min, max, 1, &ok);
  if (!ok) return std::nullopt;
  return n;
}

MessageResult QtDialogs::Message(QWidget* parent, MessageKind kind, const QString& text, MessageButtons buttons) {
  QMessageBox box(parent);
  // The text often holds a song's line or a file's name: shown as it is,
  // never read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  switch (kind) {
    case MessageKind::Warning:
      box.setWindowTitle("Warning");
      box.setIcon(QMessageBox::Warning);
      break;
    case MessageKind::Error:
      box.setWindowTitle("Error");
      box.setIcon(QMessageBox::Critical);
      break;
    case MessageKind::Information:
      box.setWindowTitle("Information");
      box.setIcon(QMessageBox::Information);
      break;
    case MessageKind::Plain:
      box.setWindowTitle("Strumbly");
      break;
  }
  return RunBox(box, buttons);
}

QString QtFilterFrom(const QString& pipeFilter) {
  const QStringList parts = pipeFilter.split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString name = parts[i];
    const QString patterns = QString(parts[i + 1]).replace(';', ' ');
    if (!name.contains('(')) name += " (" + patterns + ")";
    filters << name;
  }
  return filters.join(";;");
}

namespace {
void Prepare(QFileDialog& dialog, const FileDialogOptions& o) {
  dialog.setWindowTitle(o.title);
  dialog.setNameFilter(QtFilterFrom(o.filter));
  dialog.setDefaultSuffix(o.defaultSuffix);
  if (!o.folder.isEmpty()) dialog.setDirectory(o.folder);
  if (!o.fileName.isEmpty()) dialog.selectFile(o.fileName);
}
}  // namespace

QString QtDialogs::OpenFile(QWidget* parent, const FileDialogOptions& options) {
  QFileDialog dialog(parent);
  Prepare(dialog, options);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString QtDialogs::SaveFile(QWidget* parent, const FileDialogOptions& options) {
  QFileDialog dialog(parent);
  Prepare(dialog, options);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

bool QtDialogs::Print(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

std::optional<QColor> QtDialogs::Color(QWidget* parent, const QColor& initial) {
  const QColor c = QColorDialog::getColor(initial, parent);
  if (!c.isValid()) return std::nullopt;
  return c;
}

std::optional<QFont> QtDialogs::Font(QWidget* parent, const QFont& initial) {
  bool ok = false;
  const QFont f = QFontDialog::getFont(&ok, initial, parent);
  if (!ok) return std::nullopt;
  return f;
}

int QtDialogs::Exec(QDialog& dialog) { return dialog.exec(); }

}  // namespace strumbly
