#include "ui/tab/tab_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "core/app/song_names.h"
#include "core/guitar/capo.h"
#include "core/tab/ascii_tab.h"
#include "core/tab/tab_titles.h"
#include "platform/command_error.h"
#include "platform/dialogs.h"
#include "platform/printing/tab_printer.h"
#include "platform/song_io.h"
#include "ui/fit_to_screen.h"
#include "ui/qt_text.h"
#include "ui/replace_question.h"
#include "ui/tab/tab_paint_box.h"

namespace strumbly {

namespace {

QFont MonospaceFont() {
  QFont f("DejaVu Sans Mono");
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  f.setPointSize(10);
  return f;
}

// Scrolling steps of the keys, in pixels.
constexpr int kLineStep = 10;
constexpr int kPageStep = 50;

}  // namespace

TfrmTab::TfrmTab(QWidget* parent) : QDialog(parent) {
  setObjectName("TfrmTab");
  setWindowTitle("Tabulature");  // until it shows a song
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  FitToScreen(*this, QSize(628, 415));  // never larger than the screen

  btnPrint = new QPushButton("Print", this);
  btnPrint->setObjectName("btnPrint");
  btnSave = new QPushButton("Save", this);
  btnSave->setObjectName("btnSave");
  btnExit = new QPushButton("Exit", this);
  btnExit->setObjectName("btnExit");
  for (QPushButton* b : {btnPrint, btnSave, btnExit}) b->setAutoDefault(false);
  connect(btnPrint, &QPushButton::clicked, this, &TfrmTab::btnPrintClick);
  connect(btnSave, &QPushButton::clicked, this, &TfrmTab::btnSaveClick);
  connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);

  PaintBox1 = new TTabPaintBox(this);
  connect(PaintBox1, &TTabPaintBox::Painted, this, &TfrmTab::OnPainted);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setFont(MonospaceFont());
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  // The Tab key passes the text box by.
  Memo1->setTabChangesFocus(true);
  Memo1->setFocusPolicy(Qt::ClickFocus);
  QPalette palette = Memo1->palette();
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::Base, Qt::white);
  Memo1->setPalette(palette);

  // Print and Save share one spot; Exit stands beside them.
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnPrint);
  buttons->addWidget(btnSave);
  buttons->addWidget(btnExit);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(buttons);
  layout->addWidget(PaintBox1, 1);
  layout->addWidget(Memo1, 1);

  // The window sees the scrolling keys before its controls do.
  for (QWidget* w : {static_cast<QWidget*>(btnPrint), static_cast<QWidget*>(btnSave), static_cast<QWidget*>(btnExit),
                     static_cast<QWidget*>(PaintBox1), static_cast<QWidget*>(Memo1)})
    w->installEventFilter(this);
  Memo1->hide();
  btnSave->hide();
}

TfrmTab::~TfrmTab() = default;

void TfrmTab::Open(TabMode mode, TabSource source) {
  mode_ = mode;
  source_ = std::move(source);
  warningShown_ = false;

  TabTitles titles;
  if (source_.prompted) {
    titles = {source_.title, source_.subtitle};
    // The text names the song when the prompt left the title empty; the
    // drawing keeps it empty.
    if (mode_ == TabMode::Ascii && titles.title.empty()) titles.title = TitleOf(source_.fileName);
  } else {
    titles = SearchedTabTitles(source_.lines, source_.fileName);
  }

  layout_ = std::make_unique<TabLayout>(BuildTabLayout(source_.chordList, source_.lines));
  // The heading names the capo; the frets stay as written.
  const int capo = FindSongCapo(source_.lines);
  const std::string tuningText = capo > 0 ? source_.tuningText + ", " + CapoText(capo) : source_.tuningText;
  drawing_ = TabDrawing{layout_.get(), tuningText, titles.title, titles.subtitle, source_.boldFrets};
  drawing_.showNames = source_.showNames;
  drawing_.showRhythm = source_.showRhythm;
  drawing_.tuning = source_.tuning;

  if (mode_ == TabMode::Graphic) {
    setWindowTitle("Tabulature");
    Memo1->hide();
    Memo1->clear();
    btnSave->hide();
    PaintBox1->show();
    btnPrint->show();
    PaintBox1->SetDrawing(drawing_);
    PaintBox1->setFocus();
    return;
  }
  const std::vector<std::string> lines = AsciiTabLines(*layout_, drawing_.tuningText, drawing_.title, drawing_.subtitle,
                                                       AsciiTabOptions{source_.asciiNames, source_.tuning});
  Memo1->setPlainText(ToQStrings(lines).join('\n'));
  Memo1->moveCursor(QTextCursor::Start);
  setWindowTitle("ASCII Tabulature");
  PaintBox1->hide();
  PaintBox1->Clear();
  btnPrint->hide();
  Memo1->show();
  btnSave->show();
  Memo1->setFocus();
  if (layout_->anyTruncated) ShowTruncationWarning();
}

std::vector<std::string> TfrmTab::AsciiLines() const { return ToStdStrings(Memo1->toPlainText().split('\n')); }

void TfrmTab::done(int result) {
  // The entries live only while the window is open.
  PaintBox1->Clear();
  Memo1->clear();
  drawing_ = {};
  layout_.reset();
  source_ = {};
  QDialog::done(result);
}

void TfrmTab::OnPainted(bool truncated) {
  if (!truncated || warningShown_ || mode_ != TabMode::Graphic) return;
  warningShown_ = true;
  // After the paint has finished, not inside it.
  QTimer::singleShot(0, this, [this] {
    if (isVisible()) dialogs().Message(this, MessageKind::Warning, kTruncationWarning, MessageButtons::Ok);
  });
}

void TfrmTab::ShowTruncationWarning() {
  warningShown_ = true;
  dialogs().Message(this, MessageKind::Warning, kTruncationWarning, MessageButtons::Ok);
}

bool TfrmTab::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() == Qt::NoModifier && HandleKey(key->key())) return true;
  }
  return QDialog::eventFilter(watched, event);
}

bool TfrmTab::HandleKey(int key) {
  QScrollBar* bar = mode_ == TabMode::Graphic ? PaintBox1->verticalScrollBar() : Memo1->verticalScrollBar();
  // The text box scrolls by lines; a line of its text stands for its height in pixels.
  int unit = 1;
  if (mode_ == TabMode::Ascii) unit = std::max(1, Memo1->fontMetrics().lineSpacing());
  auto steps = [unit](int pixels) { return std::max(1, (pixels + unit / 2) / unit); };
  switch (key) {
    case Qt::Key_Escape:
      reject();
      return true;
    case Qt::Key_Up:
      bar->setValue(bar->value() - steps(kLineStep));
      return true;
    case Qt::Key_Down:
      bar->setValue(bar->value() + steps(kLineStep));
      return true;
    case Qt::Key_PageUp:
      bar->setValue(bar->value() - steps(kPageStep));
      return true;
    case Qt::Key_PageDown:
      bar->setValue(bar->value() + steps(kPageStep));
      return true;
    default:
      return false;
  }
}

void TfrmTab::btnPrintClick() {
  if (!layout_) return;
  QPrinter printer(QPrinter::HighResolution);
  PrepareTabPrinter(printer, Q(drawing_.title.empty() ? TitleOf(source_.fileName) : drawing_.title));
  if (!dialogs().Print(this, printer)) return;
  try {
    PrintPages(printer, [this](QPagedPaintDevice& device) { return PrintTabOn(device, drawing_) > 0; });
  } catch (const CommandError& e) {
    dialogs().Message(this, MessageKind::Error, e.text(), MessageButtons::Ok);
  }
}

void TfrmTab::btnSaveClick() {
  FileDialogOptions o;
  o.title = "Save As ASCII Tabulature";
  o.filter = kTabFilter;
  o.folder = Q(source_.lastDir);
  o.fileName = Q(WithExtension(source_.fileName, ".tab"));
  o.confirmOverwrite = true;
  const QString chosen = dialogs().SaveFile(this, o);
  if (chosen.isEmpty()) return;
  // Whatever was typed, the file is a .tab file.
  const QString name = Q(WithExtension(chosen.toStdString(), ".tab"));
  if (!MayReplaceRenamed(this, chosen, name)) return;
  try {
    WriteFileSafely(name, AsciiTabFileText(AsciiLines()));
  } catch (const SaveError& e) {
    dialogs().Message(this, MessageKind::Error, "Cannot create file " + name + ": " + e.reason(), MessageButtons::Ok);
  }
}

}  // namespace strumbly
