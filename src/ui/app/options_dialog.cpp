#include "ui/app/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/app/options_values.h"
#include "core/sound/patch_names.h"
#include "platform/command_error.h"
#include "platform/dialogs.h"
#include "ui/fit_to_screen.h"
#include "ui/guitar/marker_sample.h"
#include "ui/guitar/neck_marker.h"
#include "ui/qt_text.h"
#include "ui/radio_group.h"

namespace strumbly {

namespace {

void FillList(QComboBox* list, const std::vector<std::string>& texts) {
  list->clear();
  for (const auto& t : texts) list->addItem(Q(t));
}

}  // namespace

TfrmOptions::TfrmOptions(Settings& settings, OptionsHost host, QWidget* parent)
    : QDialog(parent), settings_(settings), host_(std::move(host)) {
  setObjectName("TfrmOptions");
  setWindowTitle("Settings");
  auto* col = new QVBoxLayout(this);
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  PageControl1->addTab(BuildGeneralPage(), "General");
  PageControl1->addTab(BuildMarkersPage(), "Markers");
  PageControl1->addTab(BuildTabPage(), "Tabulature");
  PageControl1->addTab(BuildMidiPage(), "MIDI");
  PageControl1->addTab(BuildDictionaryPage(), "Chord Dictionary");
  PageControl1->addTab(BuildInstrumentPage(), "Instrument and Tuning");
  col->addWidget(PageControl1);

  buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttonBox->setObjectName("buttonBox");
  btnOK = buttonBox->button(QDialogButtonBox::Ok);
  btnOK->setObjectName("btnOK");
  btnOK->setText("OK");
  btnOK->setDefault(true);
  btnCancel = buttonBox->button(QDialogButtonBox::Cancel);
  btnCancel->setObjectName("btnCancel");
  btnCancel->setText("Cancel");
  col->addWidget(buttonBox);
  connect(buttonBox, &QDialogButtonBox::accepted, this, [this] { btnOKClick(); });
  connect(buttonBox, &QDialogButtonBox::rejected, this, [this] { btnCancelClick(); });

  FormCreate();
  FitToScreen(*this, QSize(680, 460));  // never larger than the screen
}

void TfrmOptions::FormCreate() {
  PageControl1->setCurrentIndex(0);
  loading_ = true;
  for (int program = 0; program < 128; ++program) cboPatch->addItem(Q(PatchName(program)));
  loading_ = false;
}

QString TfrmOptions::SoundFontText(const std::string& setting) {
  return setting.empty() ? QString("(the usual General MIDI soundfont)") : Q(setting);
}

void TfrmOptions::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

std::vector<std::pair<QCheckBox*, bool Settings::*>> TfrmOptions::CheckBoxes() const {
  return {
      {chkSavePrompts, &Settings::Prompts},
      {chkShowTabPrompt, &Settings::TabPrompt},
      {chkTabFont, &Settings::TabFont},
      {chkTabShowNames, &Settings::TabShowNames},
      {chkTabShowRhythm, &Settings::TabShowRhythm},
      {chkAssociateFiles, &Settings::Associate},
      {chkShowChordName, &Settings::ShowChordName},
      {chkShowFretNumbers, &Settings::ShowFretNumbers},
      {chkSortDictionary, &Settings::SortDictionary},
      {chkCursorPlays, &Settings::CursorPlays},
      {chkExternalMIDI, &Settings::ExternalMIDI},
  };
}

void TfrmOptions::FormActivate() {
  loading_ = true;
  for (const auto& [box, setting] : CheckBoxes()) box->setChecked(settings_.*setting);

  markerShapeCode_ = settings_.MarkerShape;
  rdoMarkerShape->setItemIndex(MarkerShapeItem(settings_.MarkerShape));
  sample->SetColorValue(static_cast<std::uint32_t>(settings_.MarkerColor));
  sample->SetShape(settings_.MarkerShape);

  FillList(cboChannel, ChannelTexts());
  cboChannel->setCurrentIndex(settings_.Channel < cboChannel->count() ? settings_.Channel : -1);
  rdoOctave->setItemIndex(OctaveItem(settings_.Octave));

  const int devices = host_.midiDeviceCount ? host_.midiDeviceCount() : 0;
  FillList(cboDevice, DeviceTexts(devices, [this](int id) {
             return host_.midiDeviceName ? S(host_.midiDeviceName(id)) : std::string();
           }));
  if (cboDevice->count() > 0) {
    const int position = settings_.Device + 1;
    cboDevice->setCurrentIndex(position >= 0 && position < cboDevice->count() ? position : -1);
  }
  edtSoundFont->setText(SoundFontText(settings_.SoundFont));

  const int patchPosition = settings_.MenuPatchTag - 1;
  cboPatch->setCurrentIndex(patchPosition >= 0 && patchPosition < cboPatch->count() ? patchPosition : -1);
  const TuningTag userTag = host_.userTuningTag ? host_.userTuningTag() : settings_.MenuTuningTag;
  const std::array<int, 6> items = TuningItemsOfTag(userTag);
  for (std::size_t i = 0; i < cboStr.size(); ++i) cboStr[i]->setCurrentIndex(items[i]);

  patchChanged_ = false;
  tuningChanged_ = false;
  loading_ = false;
}

// --- changes inside the dialog ------------------------------------------------------

void TfrmOptions::rdoMarkerShapeClick(int item) {
  markerShapeCode_ = MarkerShapeCodeOfItem(item);
  sample->SetShape(markerShapeCode_);
}

void TfrmOptions::Button1Click() {
  const std::optional<QColor> chosen = dialogs().Color(this, ColorFromValue(shpSampleMarkers[0]->ColorValue()));
  if (chosen) sample->SetColorValue(ValueFromColor(*chosen));
}

void TfrmOptions::Button2Click() {
  const MessageResult answer = dialogs().Message(
      this, MessageKind::Warning, "You are about to replace the chord dictionary. Do you want to proceed?",
      MessageButtons::YesNo);
  if (answer == MessageResult::Yes && host_.replaceDictionary) host_.replaceDictionary();
}

void TfrmOptions::cboDeviceChange() {
  if (host_.externalMidiMode && host_.externalMidiMode())
    Warn(
        "This program was started with 'External MIDI' Checked.  If you select a new MIDI device it won't be "
        "used until the program is started again.");
}

void TfrmOptions::chkExternalMIDIMouseUp() {
  Warn("This option does not take effect until the program has been restarted.");
}

void TfrmOptions::Warn(const QString& text) { dialogs().Message(this, MessageKind::Warning, text, MessageButtons::Ok); }

// A mouse button released over "External MIDI", whichever it was and whether
// the box was checked or cleared, earns the restart warning once the box has
// taken the click.
bool TfrmOptions::eventFilter(QObject* watched, QEvent* event) {
  if (watched == chkExternalMIDI && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (chkExternalMIDI->rect().contains(mouse->position().toPoint()))
      QMetaObject::invokeMethod(
          this, [this] { chkExternalMIDIMouseUp(); }, Qt::QueuedConnection);
  }
  return QDialog::eventFilter(watched, event);
}

void TfrmOptions::btnSoundFontClick() {
  FileDialogOptions options;
  options.title = "Soundfont";
  options.filter = "Soundfonts (*.sf2;*.sf3)|*.sf2;*.sf3|All Files (*)|*";
  options.folder =
      settings_.SoundFont.empty() ? QString("/usr/share/sounds/sf2") : QFileInfo(Q(settings_.SoundFont)).absolutePath();
  options.confirmOverwrite = false;
  const QString path = dialogs().OpenFile(this, options);
  if (path.isEmpty()) return;
  settings_.SoundFont = S(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
  SoundFontChosen();
}

void TfrmOptions::btnSoundFontDefaultClick() {
  if (settings_.SoundFont.empty()) return;
  settings_.SoundFont.clear();
  SoundFontChosen();
}

// A new soundfont sounds at once and is kept even when the dialog is
// cancelled, so it is saved at once too.
void TfrmOptions::SoundFontChosen() {
  edtSoundFont->setText(SoundFontText(settings_.SoundFont));
  if (host_.soundFontChanged) host_.soundFontChanged();
  Reporting(host_.saveSettings);
}

void TfrmOptions::Reporting(const std::function<void()>& step) {
  try {
    if (step) step();
  } catch (const CommandError& e) {
    dialogs().Message(this, MessageKind::Error, e.text(), MessageButtons::Ok);
  } catch (const std::exception& e) {
    dialogs().Message(this, MessageKind::Error, QString::fromLocal8Bit(e.what()), MessageButtons::Ok);
  }
}

// --- OK and Cancel --------------------------------------------------------------------

// Every page into the settings, in the order the options are applied.
void TfrmOptions::StoreSettings() {
  for (const auto& [box, setting] : CheckBoxes()) settings_.*setting = box->isChecked();
  settings_.MarkerColor = static_cast<std::int32_t>(shpSampleMarkers[0]->ColorValue());
  settings_.MarkerShape = static_cast<std::uint8_t>(markerShapeCode_);
  // A list without a selection (a stored value it has no entry for, or no
  // device at all) keeps the stored value rather than storing a wrong one.
  if (cboChannel->currentIndex() >= 0) settings_.Channel = static_cast<std::uint8_t>(cboChannel->currentIndex());
  if (const auto octave = OctaveOfItem(rdoOctave->itemIndex())) settings_.Octave = *octave;
  if (cboDevice->currentIndex() >= 0) settings_.Device = cboDevice->currentIndex() - 1;
  if (patchChanged_) {
    const std::string text = S(cboPatch->currentText());
    if (const auto number = PatchNumberOfText(text)) {
      settings_.MenuPatchName = text;
      settings_.MenuPatchTag = *number;
    } else {
      patchChanged_ = false;
    }
  }
  if (tuningChanged_) {
    std::array<int, 6> items{};
    for (std::size_t i = 0; i < cboStr.size(); ++i) items[i] = cboStr[i]->currentIndex();
    settings_.MenuTuningTag = TuningTagOfItems(items);
    settings_.MenuTuningName = BuildCustomTuningCaption(settings_.MenuTuningTag);
  }
}

// The options stay stored and the dialog closes even when something they
// ask for fails (a file association that cannot be written, a settings file
// that cannot be saved): the failure is reported, and pressing OK again
// could not mend it. They are saved even when applying them failed.
void TfrmOptions::btnOKClick() {
  StoreSettings();
  Reporting([this] {
    if (host_.applySettings) host_.applySettings({patchChanged_, tuningChanged_});
  });
  Reporting(host_.saveSettings);
  accept();
}

void TfrmOptions::btnCancelClick() { reject(); }

}  // namespace strumbly
