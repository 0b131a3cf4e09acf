// The settings dialog's six pages.
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/guitar/tuning.h"
#include "core/sound/patch_names.h"
#include "ui/app/options_dialog.h"
#include "ui/guitar/marker_sample.h"
#include "ui/qt_text.h"
#include "ui/radio_group.h"

namespace strumbly {

namespace {

QLabel* Explanation(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setWordWrap(true);
  l->setContentsMargins(20, 0, 0, 6);
  return l;
}

QLabel* Heading(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}

QCheckBox* Check(QWidget* page, const char* name, const QString& caption) {
  auto* c = new QCheckBox(caption, page);
  c->setObjectName(name);
  return c;
}

QComboBox* PickList(QWidget* page, const QString& name) {
  auto* c = new QComboBox(page);
  c->setObjectName(name);
  c->setEditable(false);
  return c;
}

// A check box with its explanation under it.
void AddOption(QVBoxLayout* col, QCheckBox* box, const QString& explanation) {
  col->addWidget(box);
  col->addWidget(Explanation(explanation, box->parentWidget()));
}

}  // namespace

QWidget* TfrmOptions::BuildGeneralPage() {
  auto* page = new QWidget;
  page->setObjectName("tabGeneral");
  auto* col = new QVBoxLayout(page);
  chkAssociateFiles = Check(page, "chkAssociateFiles", "Associate files");
  AddOption(col, chkAssociateFiles, "In the file manager, clicking on a file with a SLY extension starts Strumbly.");
  chkSavePrompts = Check(page, "chkSavePrompts", "Warning: \"Save changes to...\" ");
  AddOption(col, chkSavePrompts,
            "Displays message prompts to warn you before you proceed with an operation that will cause you to "
            "lose your work.");
  chkCursorPlays = Check(page, "chkCursorPlays", "Cursor up/down plays chords");
  AddOption(col, chkCursorPlays, "Chords are played when up and down keys are used.");
  chkShowChordName = Check(page, "chkShowChordName", "Show chord name");
  AddOption(col, chkShowChordName, "Display the current chord name above the guitar neck. ");
  chkShowFretNumbers = Check(page, "chkShowFretNumbers", "Show fret numbers");
  AddOption(col, chkShowFretNumbers, "Display fret numbers below guitar neck.");
  col->addStretch();
  return page;
}

QWidget* TfrmOptions::BuildMarkersPage() {
  auto* page = new QWidget;
  page->setObjectName("tabMarkers");
  auto* col = new QVBoxLayout(page);
  col->addWidget(Heading("Guitar neck markers", page));
  col->addWidget(
      Explanation("These options allow you to change the color and shape of the chord fingering markers.", page));

  auto* row = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  auto* colorRow = new QHBoxLayout;
  colorRow->addWidget(new QLabel("Marker Color", page));
  Button1 = new QPushButton("Select...", page);
  Button1->setObjectName("Button1");
  colorRow->addWidget(Button1);
  colorRow->addStretch();
  left->addLayout(colorRow);
  rdoMarkerShape = new RadioGroup("Marker Shape", {"Rectangle", "Square", "Ellipse", "Circle"}, page);
  rdoMarkerShape->setObjectName("rdoMarkerShape");
  left->addWidget(rdoMarkerShape);
  left->addStretch();
  row->addLayout(left);

  auto* group = new QGroupBox("Sample", page);
  group->setObjectName("grpSample");
  auto* groupLayout = new QVBoxLayout(group);
  sample = new MarkerSample(group);
  groupLayout->addWidget(sample, 0, Qt::AlignCenter);
  for (int i = 0; i < 3; ++i) shpSampleMarkers[static_cast<std::size_t>(i)] = sample->Marker(i);
  row->addWidget(group, 0, Qt::AlignTop);
  col->addLayout(row);
  col->addStretch();

  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(rdoMarkerShape, &RadioGroup::clicked, this, [this](int item) { rdoMarkerShapeClick(item); });
  return page;
}

QWidget* TfrmOptions::BuildTabPage() {
  auto* page = new QWidget;
  page->setObjectName("tabTabulature");
  auto* col = new QVBoxLayout(page);
  chkShowTabPrompt = Check(page, "chkShowTabPrompt", "Prompt before showing tabulature");
  AddOption(col, chkShowTabPrompt,
            "Displays a box for entering titles to print at the top of the tabulature. Comment lines containing "
            "\" * Title: \" and \" * Sub: \" can be used to specify tab titles.");
  chkTabFont = Check(page, "chkTabFont", "Use bold font for graphic tab");
  AddOption(col, chkTabFont,
            "When viewing or printing graphic tabulature, show all the tabulature numbers in bold font.");
  chkTabShowNames = Check(page, "chkTabShowNames", "Show chord names in tablature");
  AddOption(col, chkTabShowNames,
            "When viewing or printing graphic tabulature, show each chord's name above the staff where it "
            "changes.");
  chkTabShowRhythm = Check(page, "chkTabShowRhythm", "Show rhythm in tablature");
  AddOption(col, chkTabShowRhythm,
            "When viewing or printing graphic tabulature, show how long each chord lasts below the staff.");
  col->addStretch();
  return page;
}

QWidget* TfrmOptions::BuildMidiPage() {
  auto* page = new QWidget;
  page->setObjectName("tabMidi");
  auto* grid = new QGridLayout(page);
  int r = 0;
  auto addRow = [&](const QString& label, QWidget* control, const QString& explanation) {
    auto* l = new QLabel(label, page);
    l->setBuddy(control);
    grid->addWidget(l, r, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(control, r, 1, Qt::AlignTop);
    auto* e = Explanation(explanation, page);
    e->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(e, r, 2, Qt::AlignTop);
    ++r;
  };

  cboDevice = PickList(page, "cboDevice");
  cboDevice->setMinimumWidth(200);
  cboDevice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  addRow("Device", cboDevice, "Select a driver for your sound card or external MIDI device.");
  cboChannel = PickList(page, "cboChannel");
  addRow("Channel", cboChannel, "Select a channel for MIDI output. (Channel 10 is often used for drum sounds.)");
  rdoOctave = new RadioGroup({}, {"12 notes lower", "0    (Default)", "12 notes higher"}, page);
  rdoOctave->setObjectName("rdoOctave");
  addRow("Octave", rdoOctave, "Specify whether notes will be played higher or lower than usual.");
  chkExternalMIDI = Check(page, "chkExternalMIDI", "External MIDI");
  addRow({}, chkExternalMIDI, "Check this when using external MIDI devices.");

  auto* soundFont = new QWidget(page);
  auto* sfRow = new QHBoxLayout(soundFont);
  sfRow->setContentsMargins(0, 0, 0, 0);
  edtSoundFont = new QLineEdit(soundFont);
  edtSoundFont->setObjectName("edtSoundFont");
  edtSoundFont->setReadOnly(true);
  btnSoundFont = new QPushButton("Choose...", soundFont);
  btnSoundFont->setObjectName("btnSoundFont");
  btnSoundFontDefault = new QPushButton("Usual", soundFont);
  btnSoundFontDefault->setObjectName("btnSoundFontDefault");
  sfRow->addWidget(edtSoundFont, 1);
  sfRow->addWidget(btnSoundFont);
  sfRow->addWidget(btnSoundFontDefault);
  auto* sfLabel = new QLabel("Soundfont", page);
  grid->addWidget(sfLabel, r, 0, Qt::AlignLeft | Qt::AlignVCenter);
  grid->addWidget(soundFont, r, 1, 1, 2);
  ++r;
  auto* sfText = Explanation(
      "The instrument sounds of the built-in synthesizer (a .sf2 or .sf3 file). \"Usual\" plays the General "
      "MIDI soundfont installed with the system. A new choice sounds at once; the Cancel button below will "
      "not undo it.",
      page);
  sfText->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(sfText, r, 1, 1, 2);
  ++r;
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(r, 1);

  connect(cboDevice, &QComboBox::currentIndexChanged, this, [this] {
    if (!loading_) cboDeviceChange();
  });
  chkExternalMIDI->installEventFilter(this);
  connect(btnSoundFont, &QPushButton::clicked, this, [this] { btnSoundFontClick(); });
  connect(btnSoundFontDefault, &QPushButton::clicked, this, [this] { btnSoundFontDefaultClick(); });
  return page;
}

QWidget* TfrmOptions::BuildDictionaryPage() {
  auto* page = new QWidget;
  page->setObjectName("tabDictionary");
  auto* col = new QVBoxLayout(page);
  col->addWidget(Heading("Chord Dictionary options", page));
  Button2 = new QPushButton("Replace chord dictionary", page);
  Button2->setObjectName("Button2");
  col->addWidget(Button2, 0, Qt::AlignLeft);
  col->addWidget(Explanation(
      "Copy all chords in the editor to the Chord Dictionary list box. This option can be used to create custom "
      "chord dictionaries.",
      page));
  col->addWidget(Explanation("Note: The Cancel button below will not undo this operation.", page));
  chkSortDictionary = Check(page, "chkSortDictionary", "Sort dictionary chords");
  AddOption(col, chkSortDictionary,
            "Keep chord dictionary arranged in alphabetical order. Chords cannot be unsorted later.");
  col->addStretch();
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  return page;
}

QWidget* TfrmOptions::BuildInstrumentPage() {
  auto* page = new QWidget;
  page->setObjectName("tabInstrument");
  auto* col = new QVBoxLayout(page);
  col->addWidget(Explanation(
      "The bottom items on the Instrument and Tuning menus are defined here. These settings are automatically "
      "saved inside song files.",
      page));

  auto* patchRow = new QHBoxLayout;
  auto* patchLabel = new QLabel("Instrument", page);
  patchRow->addWidget(patchLabel);
  cboPatch = PickList(page, "cboPatch");
  cboPatch->setMaxVisibleItems(20);
  // The numbers stand right-aligned in three characters: a fixed font keeps
  // them in a column.
  cboPatch->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  patchLabel->setBuddy(cboPatch);
  patchRow->addWidget(cboPatch);
  patchRow->addStretch();
  col->addLayout(patchRow);
  col->addWidget(Explanation("Select an alternate instrument.", page));

  col->addWidget(new QLabel("Tuning", page));
  auto* strings = new QGridLayout;
  for (int i = 0; i < 6; ++i) {
    const int stringNumber = 6 - i;
    QComboBox* c = PickList(page, QString("cboStr%1").arg(stringNumber));
    for (int digit = 1; digit <= 9; ++digit) c->addItem(TuningNoteName(digit, stringNumber - 1));
    cboStr[static_cast<std::size_t>(i)] = c;
    strings->addWidget(c, 0, i);
    connect(c, &QComboBox::currentIndexChanged, this, [this] {
      if (!loading_) tuningChanged_ = true;
    });
  }
  strings->addWidget(new QLabel("String 6", page), 1, 0, Qt::AlignLeft);
  strings->addWidget(new QLabel("String 1", page), 1, 5, Qt::AlignRight);
  auto* stringsRow = new QHBoxLayout;
  stringsRow->addLayout(strings);
  stringsRow->addStretch();
  col->addLayout(stringsRow);
  col->addWidget(Explanation("Set up an alternate tuning.", page));
  col->addStretch();

  connect(cboPatch, &QComboBox::currentIndexChanged, this, [this] {
    if (!loading_) patchChanged_ = true;
  });
  return page;
}

}  // namespace strumbly
