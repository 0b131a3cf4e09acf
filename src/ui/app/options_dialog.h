#pragma once
// TfrmOptions, "Settings": the six pages of options behind File / Settings.
// The dialog edits the Settings it is given; it knows nothing of the main
// window and reaches the rest of the program through its host's callbacks.
// OK stores every page into the settings, asks the host once to apply them,
// and then to save them. Cancel stores nothing; only the dictionary
// replacement and the soundfont, which act at once, stay done.
#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "core/app/settings.h"
#include "core/guitar/tuning.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace strumbly {

class MarkerSample;
class NeckMarker;
class RadioGroup;

// What OK changed beyond the stored options.
struct OptionsChanges {
  bool patchChanged = false;   // the user instrument item takes MenuPatchName / MenuPatchTag
  bool tuningChanged = false;  // the user tuning item takes MenuTuningTag and becomes the tuning
};

struct OptionsHost {
  // The MIDI output devices, for the device list.
  std::function<int()> midiDeviceCount;
  std::function<QString(int id)> midiDeviceName;
  // The External MIDI mode this run started in.
  std::function<bool()> externalMidiMode;
  // The tag the user tuning item holds now (a song may have set it).
  std::function<TuningTag()> userTuningTag;
  // Rebuilds the chord dictionary from the song's lines.
  std::function<void()> replaceDictionary;
  // The built-in synthesizer is to play with Settings::SoundFont from now on.
  std::function<void()> soundFontChanged;
  // OK: the settings were stored; show them and do what they ask for.
  std::function<void(const OptionsChanges&)> applySettings;
  // OK, after applySettings, and a new soundfont: write the settings to the
  // settings store, so that they outlast a crash.
  std::function<void()> saveSettings;
};

class TfrmOptions : public QDialog {
  Q_OBJECT
 public:
  TfrmOptions(Settings& settings, OptionsHost host, QWidget* parent = nullptr);

  // Each opening: the controls show the settings.
  void FormActivate();
  void btnOKClick();
  void btnCancelClick();
  void Button1Click();  // marker colour "Select..."
  void Button2Click();  // "Replace chord dictionary"
  void btnSoundFontClick();
  void btnSoundFontDefaultClick();

  int MarkerShapeCode() const { return markerShapeCode_; }
  bool PatchChanged() const { return patchChanged_; }
  bool TuningChanged() const { return tuningChanged_; }

  // The soundfont box's text for a setting: the path, or what plays without one.
  static QString SoundFontText(const std::string& setting);

  QTabWidget* PageControl1 = nullptr;
  QDialogButtonBox* buttonBox = nullptr;
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;
  // General
  QCheckBox* chkAssociateFiles = nullptr;
  QCheckBox* chkSavePrompts = nullptr;
  QCheckBox* chkCursorPlays = nullptr;
  QCheckBox* chkShowChordName = nullptr;
  QCheckBox* chkShowFretNumbers = nullptr;
  // Markers
  QPushButton* Button1 = nullptr;
  RadioGroup* rdoMarkerShape = nullptr;
  MarkerSample* sample = nullptr;
  std::array<NeckMarker*, 3> shpSampleMarkers{};  // shpSampleMarker1..3
  // Tabulature
  QCheckBox* chkShowTabPrompt = nullptr;
  QCheckBox* chkTabFont = nullptr;
  QCheckBox* chkTabShowNames = nullptr;
  QCheckBox* chkTabShowRhythm = nullptr;
  // MIDI
  QComboBox* cboDevice = nullptr;
  QComboBox* cboChannel = nullptr;
  RadioGroup* rdoOctave = nullptr;
  QCheckBox* chkExternalMIDI = nullptr;
  QLineEdit* edtSoundFont = nullptr;
  QPushButton* btnSoundFont = nullptr;
  QPushButton* btnSoundFontDefault = nullptr;
  // Chord Dictionary
  QPushButton* Button2 = nullptr;
  QCheckBox* chkSortDictionary = nullptr;
  // Instrument and Tuning
  QComboBox* cboPatch = nullptr;
  std::array<QComboBox*, 6> cboStr{};  // cboStr6 first, cboStr1 last

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The pages, in options_pages.cpp.
  QWidget* BuildGeneralPage();
  QWidget* BuildMarkersPage();
  QWidget* BuildTabPage();
  QWidget* BuildMidiPage();
  QWidget* BuildDictionaryPage();
  QWidget* BuildInstrumentPage();
  void FormCreate();

  void rdoMarkerShapeClick(int item);
  void cboDeviceChange();
  void chkExternalMIDIMouseUp();
  // Each check box with the setting it shows.
  std::vector<std::pair<QCheckBox*, bool Settings::*>> CheckBoxes() const;
  void StoreSettings();
  void SoundFontChosen();
  // Runs step; a failure is shown in an error box.
  void Reporting(const std::function<void()>& step);
  void Warn(const QString& text);

  Settings& settings_;
  OptionsHost host_;
  int markerShapeCode_ = 5;
  bool patchChanged_ = false;
  bool tuningChanged_ = false;
  bool loading_ = false;  // list changes while the dialog loads are not the user's
};

}  // namespace strumbly
