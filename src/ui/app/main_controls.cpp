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
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

#include "core/guitar/neck_geometry.h"
#include "core/sound/timing.h"
#include "ui/app/main_window.h"
#include "ui/app/pictures.h"
#include "ui/chordsheet/note_value_buttons.h"
#include "ui/guitar/neck_view.h"
#include "ui/qt_text.h"
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

}  // namespace

void TfrmMain::SetHint(QWidget* w, const QString& hint) {
  w->setStatusTip(hint);
  w->setToolTip(hint);
}

void TfrmMain::BuildControls() {
  // On a screen smaller than the controls need (a netbook, or a large
  // scale factor) the window still fits the screen, and the controls
  // scroll inside it; otherwise the client area simply fills the window.
  auto* scroller = new QScrollArea(this);
  scroller->setObjectName("clientScroller");
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidgetResizable(true);
  auto* client = new ClientArea(scroller);
  client->setObjectName("client");
  scroller->setWidget(client);
  setCentralWidget(scroller);

  lblFilename = MakePlain(new QLabel("Untitled.sly", client));
  lblFilename->setObjectName("lblFilename");
  lblFilename->setTextFormat(Qt::PlainText);
  lblFilename->setMinimumWidth(0);
  lblFilename->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  SetHint(lblFilename, "Current file name.");

  BuildNeck(client);

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
  pnlPlayButtons->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

  btnNewChord = new QPushButton("New Chord", client);
  btnNewChord->setObjectName("btnNewChord");
  btnNewChord->setFocusPolicy(Qt::NoFocus);
  btnNewChord->setMinimumWidth(110);
  btnNewChord->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  SetHint(btnNewChord, "Finish with the current chord and start a new one.");

  BuildEditControls(client);

  // The editor takes the room the controls leave, in both directions.
  RichEdit1 = new ChordEditor(client);
  RichEdit1->setObjectName("RichEdit1");
  RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
  RichEdit1->setMinimumSize(120, 80);
  RichEdit1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  SetHint(RichEdit1, "Chord definition editor.");

  BuildPlayControls(client);

  // The neck with the file name above it at the top left, the play buttons
  // centred right of it; below, the edit controls, the editor and the play
  // controls side by side.
  auto* neckColumn = new QVBoxLayout;
  neckColumn->setSpacing(0);
  neckColumn->addWidget(lblFilename);
  neckColumn->addWidget(neckView, 1);
  auto* playColumn = new QVBoxLayout;
  playColumn->addStretch(1);
  playColumn->addWidget(pnlPlayButtons, 0, Qt::AlignHCenter);
  playColumn->addSpacing(20);
  playColumn->addWidget(btnNewChord, 0, Qt::AlignHCenter);
  playColumn->addStretch(1);
  auto* top = new QHBoxLayout;
  top->setSpacing(8);
  top->addLayout(neckColumn, 3);
  top->addLayout(playColumn, 1);
  auto* bottom = new QHBoxLayout;
  bottom->setSpacing(7);
  bottom->addWidget(grpEditControls, 0, Qt::AlignVCenter);
  bottom->addWidget(RichEdit1, 1);
  bottom->addWidget(grpPlayControls, 0, Qt::AlignVCenter);
  auto* all = new QVBoxLayout(client);
  all->setContentsMargins(kNeckFrameLeft, 1, 6, 4);
  all->setSpacing(8);
  all->addLayout(top, 0);
  all->addLayout(bottom, 1);

  mnuEditorPopUp = new QMenu(this);
  mnuEditorPopUp->setObjectName("mnuEditorPopUp");
}

void TfrmMain::BuildNeck(QWidget* client) {
  neckView = new NeckView(client);
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
  grpEditControls->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
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
  trackbarTempo->setRange(kMinTempo, kMaxTempo);
  trackbarTempo->setSingleStep(1);  // arrow keys and the wheel
  trackbarTempo->setPageStep(10);   // Page Up and Page Down
  trackbarTempo->setFocusPolicy(Qt::StrongFocus);
  SetHint(trackbarTempo, "Playback tempo.");
  Label2 = new QLabel("Faster", grpPlayControls);
  Label2->setObjectName("Label2");
  tempoRow->addWidget(Label3);
  tempoRow->addWidget(trackbarTempo, 1);
  tempoRow->addWidget(Label2);
  pg->addLayout(tempoRow);
  // The tempo as a number, to read and to type; it follows the slider and
  // the slider follows it.
  spnTempo = new QSpinBox(grpPlayControls);
  spnTempo->setObjectName("spnTempo");
  spnTempo->setRange(kMinTempo, kMaxTempo);
  spnTempo->setSuffix(" bpm");
  spnTempo->setAlignment(Qt::AlignRight);
  spnTempo->setKeyboardTracking(false);
  SetHint(spnTempo, "Playback tempo in beats per minute.");
  connect(trackbarTempo, &QSlider::valueChanged, spnTempo, &QSpinBox::setValue);
  connect(spnTempo, &QSpinBox::valueChanged, trackbarTempo, &QSlider::setValue);
  pg->addWidget(spnTempo, 0, Qt::AlignHCenter);
  grpPlayControls->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TfrmMain::BuildStatusBar() {
  auto* bar = statusBar();
  bar->setObjectName("StatusBar1");
  bar->setSizeGripEnabled(true);
  // Panel 0, the current line's error, takes the room the others leave;
  // control hints show as the bar's passing message, which covers it only
  // while the mouse is on a control.
  static const std::array<std::pair<const char*, int>, 3> kPanels = {
      {{"Status", 350}, {"Tuning (E A D G B E)", 195}, {"Line WWW", 90}}};
  for (std::size_t i = 0; i < kPanels.size(); ++i) {
    auto* l = MakePlain(new QLabel(kPanels[i].first, bar));
    l->setObjectName(QString("StatusPanel%1").arg(i));
    l->setTextFormat(Qt::PlainText);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    if (i == 0) {
      l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
      l->setMinimumWidth(60);
      bar->addWidget(l, 1);
    } else {
      l->setMinimumWidth(kPanels[i].second / 2);
      bar->addPermanentWidget(l, 0);
    }
    statusPanels[i] = l;
  }
}

}  // namespace strumbly
