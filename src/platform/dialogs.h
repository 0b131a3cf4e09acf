#pragma once
// Every message box and every file, print, colour and font dialog of the
// program is shown through this interface, so tests can answer them.
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace strumbly {

enum class MessageKind { Warning, Error, Information, Plain };
enum class MessageButtons { Ok, Cancel, YesNo, YesNoCancel };
enum class MessageResult { Ok, Cancel, Yes, No };

struct FileDialogOptions {
  QString title;
  QString folder;         // start here when not empty
  QString fileName;       // proposed name
  QString filter;         // "Strumbly files (*.sly)|*.sly|All Files (*.*)|*.*"
  QString defaultSuffix;  // "sly"
  bool confirmOverwrite = true;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual MessageResult Message(QWidget* parent, MessageKind kind, const QString& text, MessageButtons buttons) = 0;
  // Empty when the user cancelled.
  virtual QString OpenFile(QWidget* parent, const FileDialogOptions& options) = 0;
  virtual QString SaveFile(QWidget* parent, const FileDialogOptions& options) = 0;
  // True when the user confirmed printing on the given printer.
  virtual bool Print(QWidget* parent, QPrinter& printer) = 0;
  virtual std::optional<QColor> Color(QWidget* parent, const QColor& initial) = 0;
  virtual std::optional<QFont> Font(QWidget* parent, const QFont& initial) = 0;
  // Shows one of the program's own modal windows; returns its result code.
  virtual int Exec(QDialog& dialog) = 0;
  // A question under a caption of its own ("Recover Song").
  virtual MessageResult Ask(QWidget* parent, const QString& caption, const QString& text, MessageButtons buttons) {
    (void)caption;
    return Message(parent, MessageKind::Plain, text, buttons);
  }
  // One of the items from a small menu at the mouse, the first offered
  // first; -1 when the menu was left without a choice.
  virtual int Choose(QWidget* parent, const QStringList& items) = 0;
  // A whole number from min to max under a caption and a label, offered at
  // value; nothing when the user cancelled.
  virtual std::optional<int> Number(QWidget* parent, const QString& caption, const QString& label, int value, int min,
                                    int max) = 0;
};

// The dialogs in force; the real ones unless a test installed its own.
Dialogs& dialogs();
// Installs replacement dialogs and returns the previous ones.
std::unique_ptr<Dialogs> SetDialogs(std::unique_ptr<Dialogs> replacement);

// The real dialogs: QMessageBox and the Qt standard dialogs. A message's
// text is shown as it is, never read as markup.
class QtDialogs : public Dialogs {
 public:
  MessageResult Message(QWidget* parent, MessageKind kind, const QString& text, MessageButtons buttons) override;
  QString OpenFile(QWidget* parent, const FileDialogOptions& options) override;
  QString SaveFile(QWidget* parent, const FileDialogOptions& options) override;
  bool Print(QWidget* parent, QPrinter& printer) override;
  std::optional<QColor> Color(QWidget* parent, const QColor& initial) override;
  std::optional<QFont> Font(QWidget* parent, const QFont& initial) override;
  int Exec(QDialog& dialog) override;
  MessageResult Ask(QWidget* parent, const QString& caption, const QString& text, MessageButtons buttons) override;
  int Choose(QWidget* parent, const QStringList& items) override;
  std::optional<int> Number(QWidget* parent, const QString& caption, const QString& label, int value, int min,
                            int max) override;
};

// "Strumbly files (*.sly)|*.sly|All Files (*.*)|*.*" in Qt's filter form.
QString QtFilterFrom(const QString& pipeFilter);

}  // namespace strumbly
