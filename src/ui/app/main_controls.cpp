// The main window's controls, built in one place, and their layout.
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QVBoxLayout>

#include "core/guitar/neck_geometry.h"
#include "ui/app/main_window.h"
#include "ui/app/pictures.h"
#include "ui/chordsheet/note_value_buttons.h"
#include "ui/guitar/neck_view.h"
#include "ui/radio_group.h"

namespace strumbly {

namespace {

// The client area draws a line along its top edge, under the menu bar.
class ClientArea : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(0, 0, width(), 0);
  }
};

constexpr QRect kNeckFrame(3, 16, 488, 164);  // shpNeckRect

}  // namespace

void TfrmMain::SetHint(QWidget* w, const QString& hint) {
  w->setStatusTip(hint);
  w->setToolTip(hint);
}

void TfrmMain::BuildControls() {
  auto* client = new ClientArea(this);
  client->setObjectName("client");
  setCentralWidget(client);

  lblFilename = new QLabel("Untitled.sly", client);
  lblFilename->setObjectName("lblFilename");
  lblFilename->setGeometry(8, 1, kNeckFrame.width() - 10, 15);
  SetHint(lblFilename, "Current file name.");

  BuildNeck();

  // Play buttons, centred in the space right of the neck.
  pnlPlayButtons = new QWidget(client);
  pnlPlayButtons->setObjectName("pnlPlayButtons");
  auto* pb = new QHBoxLayout(pnlPlayButtons);
  pb->setContentsMargins(0, 0, 0, 0);
  btnPrev = new QPushButton(pnlPlayButtons);
  btnPrev->setObjectName("btnPrev");
  btnPrev->setIcon(StepIcon(false));
  SetHint(btnPrev, "Step play backward.");
  btnPlay = new QPushButton("Play", pnlPlayButtons);
  btnPlay->setObjectName("btnPlay");
  btnPlay->setMinimumWidth(72);
  SetHint(btnPlay, "Play or stop the chords.");
  btnNext = new QPushButton(pnlPlayButtons);
  btnNext->setObjectName("btnNext");
  btnNext->setIcon(StepIcon(true));
  SetHint(btnNext, "Step play forward.");
  for (auto* b : {btnPrev, btnPlay, btnNext}) {
    b->setFocusPolicy(Qt::NoFocus);
    pb->addWidget(b);
  }
  pnlPlayButtons->setFixedSize(170, 34);

  btnNewChord = new QPushButton("New Chord", client);
  btnNewChord->setObjectName("btnNewChord");
  btnNewChord->setFocusPolicy(Qt::NoFocus);
  btnNewChord->setFixedSize(110, 30);
  SetHint(btnNewChord, "Finish with the current chord and start a new one.");

  BuildEditControls(client);

  // The editor.
  RichEdit1 = new ChordEditor(client);
  RichEdit1->setObjectName("RichEdit1");
  RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
  RichEdit1->move(grpEditControls->width() + 12, kNeckFrame.bottom() + 12);
  SetHint(RichEdit1, "Chord definition editor.");

  BuildPlayControls(client);

  mnuEditorPopUp = new QMenu(this);
  mnuEditorPopUp->setObjectName("mnuEditorPopUp");
}

void TfrmMain::BuildNeck() {
  neckView = new NeckView(centralWidget());
  neckView->move(kNeckFrameLeft, kNeckFrameTop);
  lblChordName = neckView->ChordNameLabel();
  lblFretNumbers = neckView->FretNumbersLabel();
}

// Edit controls, left of the editor under the neck.
void TfrmMain::BuildEditControls(QWidget* client) {
  grpEditControls = new QGroupBox("Edit Controls", client);
  grpEditControls->setObjectName("grpEditControls");
  auto* eg = new QGridLayout(grpEditControls);
  eg->setContentsMargins(8, 6, 8, 8);
  eg->setHorizontalSpacing(4);
  eg->setVerticalSpacing(4);
  auto makeButton = [this](const char* name, const QString& caption, const QString& hint) {
    auto* b = new QPushButton(caption, grpEditControls);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    SetHint(b, hint);
    return b;
  };
  btnRest = makeButton("btnRest", "Rest", "Insert a rest in the editor.");
  btnDup = makeButton("btnDup", "Duplicate", "Duplicate the current chord.");
  btnClear = makeButton("btnClear", "Clear", "Clear all notes from current chord.");
  btnDelete = makeButton("btnDelete", "Delete", "Delete the current chord.");
  btnShiftLeft = makeButton("btnShiftLeft", "", "Transpose down - shift all notes down one fret.");
  btnShiftRight = makeButton("btnShiftRight", "", "Transpose up - shift all notes up one fret.");
  eg->addWidget(btnRest, 0, 0, 1, 7);
  eg->addWidget(btnDup, 0, 7, 1, 7);
  eg->addWidget(btnClear, 1, 0, 1, 7);
  eg->addWidget(btnDelete, 1, 7, 1, 7);
  eg->addWidget(btnShiftLeft, 2, 0, 1, 7);
  eg->addWidget(btnShiftRight, 2, 7, 1, 7);

  auto* nameLabel = new QLabel("Name:", grpEditControls);
  edtName = new QLineEdit(grpEditControls);
  edtName->setObjectName("edtName");
  SetHint(edtName, "Edit chord name for current line.");
  eg->addWidget(nameLabel, 3, 0, 1, 4);
  eg->addWidget(edtName, 3, 4, 1, 10);

  // Each note-value button shows its note; the letter it writes is its
  // accessible name.
  const QSize noteSize(12, 21);
  for (std::size_t i = 0; i < kNoteValueButtons.size(); ++i) {
    const NoteValueButton& n = kNoteValueButtons[i];
    auto* b = makeButton(n.name, "", n.hint);
    b->setAccessibleName(QString(QChar(n.letter)));
    b->setIcon(NoteIcon(n.value, noteSize));
    b->setIconSize(noteSize);
    b->setFixedSize(24, 28);
    durationButtons[i] = b;
    eg->addWidget(b, 4, static_cast<int>(i) * 2, 1, 2);
  }
  chkDotted = new QCheckBox("Dotted", grpEditControls);
  chkDotted->setObjectName("chkDotted");
  chkDotted->setFocusPolicy(Qt::NoFocus);
  SetHint(chkDotted, "Note duration values are increased by 1/2 while this is checked.");
  auto* notesLabel = new QLabel("Notes", grpEditControls);
  eg->addWidget(chkDotted, 5, 0, 1, 7);
  eg->addWidget(notesLabel, 5, 7, 1, 7);

  auto* dictLabel = new QLabel("Chord Dictionary", grpEditControls);
  cboDictionary = new QComboBox(grpEditControls);
  cboDictionary->setObjectName("cboDictionary");
  cboDictionary->setPlaceholderText("Pick a chord to insert it");
  SetHint(cboDictionary, "Pre-defined chords.");
  eg->addWidget(dictLabel, 6, 0, 1, 14);
  eg->addWidget(cboDictionary, 7, 0, 1, 14);
  const QSize arrowSize(20, 14);
  btnShiftLeft->setIcon(ArrowIcon(ArrowDirection::Left, arrowSize));
  btnShiftRight->setIcon(ArrowIcon(ArrowDirection::Right, arrowSize));
  btnShiftLeft->setIconSize(arrowSize);
  btnShiftRight->setIconSize(arrowSize);
  grpEditControls->setFixedSize(212, grpEditControls->sizeHint().height());
}

// Play controls, right of the editor.
void TfrmMain::BuildPlayControls(QWidget* client) {
  grpPlayControls = new QGroupBox("Play Controls", client);
  grpPlayControls->setObjectName("grpPlayControls");
  auto* pg = new QVBoxLayout(grpPlayControls);
  pg->setContentsMargins(8, 6, 8, 8);
  rdoPlayOptions = new RadioGroup("Play", {"All", "From cursor", "Highlighted", "Current line"}, grpPlayControls);
  rdoPlayOptions->setObjectName("rdoPlayOptions");
  rdoPlayOptions->setItemIndex(0);
  SetHint(rdoPlayOptions, "Settings for play button.");
  pg->addWidget(rdoPlayOptions);
  chkLoop = new QCheckBox("Loop", grpPlayControls);
  chkLoop->setObjectName("chkLoop");
  SetHint(chkLoop, "Play continuously.");
  chkTrace = new QCheckBox("Debug", grpPlayControls);
  chkTrace->setObjectName("chkTrace");
  SetHint(chkTrace, "Display line while playing.  (Affects playback speed.)");
  for (auto* c : {chkLoop, chkTrace}) {
    c->setFocusPolicy(Qt::NoFocus);
    pg->addWidget(c);
  }
  auto* tempoRow = new QHBoxLayout;
  Label3 = new QLabel("Slower", grpPlayControls);
  Label3->setObjectName("Label3");
  trackbarTempo = new QSlider(Qt::Horizontal, grpPlayControls);
  trackbarTempo->setObjectName("trackbarTempo");
  trackbarTempo->setPageStep(1);
  trackbarTempo->setFocusPolicy(Qt::NoFocus);
  SetHint(trackbarTempo, "Playback tempo.");
  Label2 = new QLabel("Faster", grpPlayControls);
  Label2->setObjectName("Label2");
  tempoRow->addWidget(Label3);
  tempoRow->addWidget(trackbarTempo, 1);
  tempoRow->addWidget(Label2);
  pg->addLayout(tempoRow);
  lblTempo = new QLabel("120", grpPlayControls);
  lblTempo->setObjectName("lblTempo");
  lblTempo->setAlignment(Qt::AlignHCenter);
  pg->addWidget(lblTempo);
  grpPlayControls->setFixedSize(180, grpPlayControls->sizeHint().height());
}

void TfrmMain::BuildStatusBar() {
  auto* bar = statusBar();
  bar->setObjectName("StatusBar1");
  bar->setSizeGripEnabled(true);
  static const std::array<std::pair<const char*, int>, 3> kPanels = {
      {{"Status", 350}, {"Tuning (E A D G B E)", 195}, {"Line WWW", 1000}}};
  for (std::size_t i = 0; i < kPanels.size(); ++i) {
    auto* l = new QLabel(kPanels[i].first, bar);
    l->setObjectName(QString("StatusPanel%1").arg(i));
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(i == 2 ? 60 : kPanels[i].second / 2);
    l->setMaximumWidth(kPanels[i].second);
    bar->addWidget(l, i == 2 ? 1 : static_cast<int>(kPanels[i].second));
    statusPanels[i] = l;
  }
}

// The controls right of and below the neck follow the window's size.
void TfrmMain::LayoutControls() {
  if (!grpPlayControls) return;
  const QSize outer = frameGeometry().size().expandedTo(size());
  const int width = outer.width();
  const int height = outer.height();
  const int menuHeight = menuBar()->isVisible() ? menuBar()->height() : 0;
  const int r = kNeckFrame.x() + kNeckFrame.width();
  const int b = kNeckFrame.y() + kNeckFrame.height();
  const int decoration = outer.height() - this->height();  // title bar, when there is one

  grpPlayControls->move(width - grpPlayControls->width() - 12, grpPlayControls->y());
  RichEdit1->resize(
      std::max(80, grpPlayControls->x() - RichEdit1->x() - 7),
      std::max(60, height - statusBar()->height() - RichEdit1->y() - 50 + (50 - menuHeight - decoration)));
  pnlPlayButtons->move(r + (width - r) / 2 - pnlPlayButtons->width() / 2, 44);
  btnNewChord->move(r + (width - r) / 2 - btnNewChord->width() / 2, 110);
  grpEditControls->move(5, b + (height - b - 64) / 2 - grpEditControls->height() / 2);
  grpPlayControls->move(grpPlayControls->x(), b + (height - b - 70) / 2 - grpPlayControls->height() / 2);
}

void TfrmMain::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  LayoutControls();
}

}  // namespace strumbly
