#pragma once
// TfrmMain: the main window. It owns the run: the editor whose text is the
// song, and the parts that keep the rest — the song state, the player, the
// song files, the Tuning and Instrument menus — each with its state private.
// The window builds the controls, shows the current line and routes the
// controls' events to the parts.
#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/app/settings.h"
#include "core/app/song_state.h"
#include "core/chordsheet/chord_line.h"
#include "ui/chordsheet/chord_sheet.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;
class QSpinBox;

namespace strumbly {

class AboutSound;
class ChordCommands;
class DictionaryCommands;
class EditMenu;
class NeckCommands;
class DroppedFiles;
class InstrumentMenu;
class MidiOutputService;
class NeckMarker;
class NeckView;
class Player;
class RadioGroup;
class RecentFilesMenu;
class SettingsStore;
class DictionaryBox;
class SongFiles;
class SongCapo;
class SongRecovery;
class SoundControls;
class TabCommands;
struct TabSongInput;
class TfrmAbout;
class Tfrmfind;
class TfrmNewUserMessage;
class TfrmNoSoundMessage;
class THelpWindow;
class TfrmOptions;
struct OptionsChanges;
class TuningMenu;

class TfrmMain : public QMainWindow {
  Q_OBJECT
 public:
  // Builds the window and runs its initialisation (FormCreate). Settings are
  // read from store (null: the user's own); sound goes to device (null: the
  // system's devices, the built-in synthesizer first).
  explicit TfrmMain(const QStringList& arguments = {}, std::unique_ptr<SettingsStore> store = nullptr,
                    MidiOutputService* device = nullptr);
  ~TfrmMain() override;

  // Creates the program's other windows, in order, after the main window.
  void CreateOtherWindows();

  // --- the parts ------------------------------------------------------------------
  Settings& settings() { return settings_; }
  // The folder the file dialogs start in next time.
  void SetLastDir(const std::string& folder) { settings_.LastDir = folder; }
  SongState& song() { return song_; }
  ChordSheet& sheet() { return *sheet_; }
  Player& player() { return *player_; }
  SongFiles& songFiles() { return *songFiles_; }
  SongRecovery& recovery() { return *recovery_; }
  TuningMenu& tuningMenu() { return *tuningMenu_; }
  InstrumentMenu& instrumentMenu() { return *instrumentMenu_; }
  RecentFilesMenu& recentFiles() { return *recentFiles_; }
  DroppedFiles& droppedFiles() { return *droppedFiles_; }
  bool IsPlaying() const;
  // While a modal window of the program is open, hints stay out of the
  // status bar.
  bool StatusHintsEnabled() const { return statusHintsEnabled_; }
  void SetStatusHintsEnabled(bool enabled) { statusHintsEnabled_ = enabled; }
  // When set, the built-in synthesizer is not loaded at start-up.
  static constexpr const char* kNoPreloadVariable = "STRUMBLY_NO_SYNTH_PRELOAD";

  // --- chord lines and the current line --------------------------------
  // Parses line n; clears the chord name label first; with showMessage an
  // error is also shown in an error box.
  std::string ParseChordLine(int n, bool showMessage, ChordRecord& record);
  bool ShowLine(int n);
  void RefreshCurrentLine();
  void SetStatusPanel(int panel, const QString& text);
  QString StatusPanel(int panel) const;

  // --- neck ---------------------------------------------------------------
  void ShowStringMarker(int stringIndex, int fret);
  void ShowChordOnNeck(const std::array<std::int32_t, 6>& frets);
  void ApplyNeckSettings();  // marker look and label visibility from settings

  // --- menus ------------------------------------------------------------------
  void TuningMenuClicked(QAction* item);
  void NylonStringAcoustic1Click(QAction* item);

  // --- editing commands (in ChordCommands and NeckCommands) -------------------
  void SetStringFret(int n, int s, int f);
  void InsertTemplateLine(const QString& name);
  void FillBlankLine(int n);
  void btnNewChordClick();
  void btnRestClick();
  void btnDupClick();
  void btnClearClick();
  void btnDeleteClick();
  void btnShiftLeftClick();
  void btnShiftRightClick();
  void chkDottedClick();
  void edtNameExit();  // Rename, when the name box loses the focus
  // Edit / Transpose: the selection or the whole song, by semitones asked.
  void Transpose1Click();
  // Tuning / Capo: the fret the song's capo sits at, asked.
  void Capo1Click();
  // A mouse button pressed and released on a neck marker.
  void Shape1MouseDown(NeckMarker* marker, Qt::MouseButton button);
  void Shape1MouseUp(NeckMarker* marker, Qt::MouseButton button);

  // --- chord dictionary ---------------------------------------------------------
  void InsertDictionaryChord(const QString& line);
  void ReplaceDictionary();  // the list becomes the song's chord lines
  DictionaryBox& dictionary();

  // --- the Special menu ---------------------------------------------------------
  void Tab1Click();
  void ASCIItab1Click();
  void SaveAsMidiFile1Click();
  void AudioFile1Click();
  void NameChord1Click();
  TabCommands& tabCommands() { return *tabCommands_; }

  // --- shell ------------------------------------------------------------------
  void FormActivate();
  bool FormCloseQuery();
  void FormClose();
  // Ends the run the clean way without asking anything (the session ends,
  // the program was told to stop): an unsaved song is kept for recovery.
  void CloseWithoutQuestions();
  void Print1Click();
  void About1Click();
  void Contents1Click();
  void Topics1Click();
  // File / Settings: the settings dialog; its OK applies through ApplySettings.
  void Options1Click();
  void ApplySettings(const OptionsChanges& changes);
  void ShowHelpContext(int context);
  // Edit / Find and Find Next, in find_commands.cpp.
  void Find1Click();
  void FindNext1Click();

  // Runs a command; a failure of a file or settings operation ends it and
  // its text is shown in one error box.
  void RunCommand(const std::function<void()>& command);
  void ShowError(const QString& text);

  // --- controls (object names as in the window layout) -------------------------
  ChordEditor* RichEdit1 = nullptr;
  QLabel* lblChordName = nullptr;
  QLabel* lblFretNumbers = nullptr;
  QLabel* lblFilename = nullptr;
  NeckView* neckView = nullptr;  // the frame with the neck picture and markers
  QLineEdit* edtName = nullptr;
  int edtNameTag = 0;  // the line whose name edtName shows
  QGroupBox* grpPlayControls = nullptr;
  RadioGroup* rdoPlayOptions = nullptr;
  QCheckBox* chkLoop = nullptr;
  QCheckBox* chkTrace = nullptr;
  QSlider* trackbarTempo = nullptr;
  QSpinBox* spnTempo = nullptr;
  QLabel* Label2 = nullptr;  // "Faster"
  QLabel* Label3 = nullptr;  // "Slower"
  QWidget* pnlPlayButtons = nullptr;
  QPushButton* btnPlay = nullptr;
  QPushButton* btnPrev = nullptr;
  QPushButton* btnNext = nullptr;
  QPushButton* btnNewChord = nullptr;
  QGroupBox* grpEditControls = nullptr;
  QPushButton* btnRest = nullptr;
  QPushButton* btnDup = nullptr;
  QPushButton* btnClear = nullptr;
  QPushButton* btnDelete = nullptr;
  QPushButton* btnShiftLeft = nullptr;
  QPushButton* btnShiftRight = nullptr;
  std::array<QPushButton*, 7> durationButtons{};  // btnWholeNote .. btnSixtyFourthNote
  QCheckBox* chkDotted = nullptr;
  QComboBox* cboDictionary = nullptr;
  std::array<QLabel*, 3> statusPanels{};
  QMenu* mnuEditorPopUp = nullptr;

  QMenu* File1 = nullptr;
  QMenu* Edit1 = nullptr;
  QMenu* PlayChords1 = nullptr;
  QMenu* Instrument1 = nullptr;
  QMenu* Tuning1 = nullptr;
  QMenu* Special1 = nullptr;
  QMenu* Help1 = nullptr;

  // Menu items.
  QAction* New1 = nullptr;
  QAction* Open1 = nullptr;
  QAction* Save1 = nullptr;
  QAction* SaveAs1 = nullptr;
  QAction* Print1 = nullptr;
  QAction* Options1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* FilenameSep = nullptr;
  std::array<QAction*, 3> mnuFilename{};  // mnuFilename0 .. mnuFilename2
  QAction* Undo1 = nullptr;
  QAction* Redo1 = nullptr;
  QAction* Undo2 = nullptr;
  QAction* Redo2 = nullptr;
  QAction* Cut1 = nullptr;
  QAction* Copy1 = nullptr;
  QAction* Paste1 = nullptr;
  QAction* Delete1 = nullptr;
  QAction* SelectAll1 = nullptr;
  QAction* Find1 = nullptr;
  QAction* FindNext1 = nullptr;
  QAction* Transpose1 = nullptr;
  QAction* Capo1 = nullptr;
  QAction* Cut2 = nullptr;  // the editor's popup menu
  QAction* Copy2 = nullptr;
  QAction* Paste2 = nullptr;
  QAction* Start1 = nullptr;
  QAction* Stop1 = nullptr;
  QAction* Tab1 = nullptr;
  QAction* ASCIItab1 = nullptr;
  QAction* SaveAsMidiFile1 = nullptr;
  QAction* AudioFile1 = nullptr;
  QAction* NameChord1 = nullptr;
  QAction* Contents1 = nullptr;
  QAction* Topics1 = nullptr;
  QAction* About1 = nullptr;

  // Other windows, created after this one.
  TfrmAbout* frmAbout = nullptr;
  TfrmNoSoundMessage* frmNoSoundMessage = nullptr;
  TfrmNewUserMessage* frmNewUserMessage = nullptr;
  Tfrmfind* frmfind = nullptr;
  TfrmOptions* frmOptions = nullptr;
  QList<QWidget*> otherWindows;
  THelpWindow* helpWindow = nullptr;

  // A menu item found by its object name, for tests and scripts; the
  // window's own code uses the members above.
  QAction* action(const char* objectName) const;

 protected:
  void closeEvent(QCloseEvent* e) override;
  void changeEvent(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  bool event(QEvent* e) override;

 private:
  // Construction, in main_controls.cpp and main_menus.cpp.
  void BuildControls();
  void BuildNeck(QWidget* client);
  void BuildEditControls(QWidget* client);
  void BuildPlayControls(QWidget* client);
  void BuildMenus();
  void BuildSpecialMenu();
  void BuildStatusBar();
  QAction* AddItem(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                   const QKeySequence& shortcut, std::function<void()> handler);
  void SetHint(QWidget* w, const QString& hint);
  void FormCreate(const QStringList& arguments);
  void LoadStartupSettings();
  void WriteStartupFileAssociation();
  void OpenArgumentSong(const QStringList& arguments);

  // The Special menu's parts, in special_menu.cpp; the dictionary's, in
  // chordsheet/dictionary_commands.cpp.
  void CreateTabCommands();
  TabSongInput SongForTab() const;

  // The parts and how the window follows them, in main_window.cpp.
  void CreateParts(MidiOutputService* device);
  void ConnectParts();
  void ResetControls();  // the controls' part of a new song's state
  void SetPlayingState(bool idle);
  void ShowPlayedLine(int line, const ChordRecord& record);
  void ShowTuning(TuningTag tag);
  void ShowPatch(std::uint8_t patch);

  // The editing parts, in main_commands.cpp with the window's names of
  // their commands.
  void CreateEditingParts();
  void UpdateEditMenu();
  void Undo1Click();
  void Cut1Click();
  void Copy1Click();
  void Paste1Click();
  void Delete1Click();
  void SelectAll1Click();
  void RichEdit1KeyUp(int key);
  void CursorPlaysHook(int key);
  void OnHint(const QString& hint);
  void ShowWindowTitle(const QString& songName);
  void FocusEditor();
  // Runs an editing command as one step of the editor's undo.
  void RunEdit(const std::function<void()>& command);

  // The play controls, sound at the start of the run and the About box's
  // phrase: forwards to the sound controls (ui/sound/sound_controls.h).
  void ConnectPlayControls();
  void StartSound();
  void ConnectAboutSound();

  Settings settings_;
  SongState song_;
  bool statusHintsEnabled_ = false;
  bool activated_ = false;
  bool closing_ = false;
  bool askBeforeClosing_ = true;
  std::unique_ptr<SettingsStore> store_;
  std::unique_ptr<ChordSheet> sheet_;
  // The editing parts go with the window's members, before the controls,
  // so the controls' last focus changes reach nothing.
  std::unique_ptr<ChordCommands> chordCommands_;
  std::unique_ptr<NeckCommands> neckCommands_;
  std::unique_ptr<EditMenu> editMenu_;
  std::unique_ptr<DictionaryCommands> dictionaryCommands_;
  TuningMenu* tuningMenu_ = nullptr;          // lives with its menu
  InstrumentMenu* instrumentMenu_ = nullptr;  // lives with its menu
  std::unique_ptr<Player> player_;
  std::unique_ptr<SongFiles> songFiles_;
  std::unique_ptr<TabCommands> tabCommands_;
  SongRecovery* recovery_ = nullptr;  // lives with the window
  SongCapo* songCapo_ = nullptr;      // lives with the window
  std::unique_ptr<RecentFilesMenu> recentFiles_;
  std::unique_ptr<DroppedFiles> droppedFiles_;
  std::unique_ptr<SoundControls> soundControls_;
};

}  // namespace strumbly
