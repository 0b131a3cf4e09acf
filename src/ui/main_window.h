#pragma once
// TfrmMain: the main window. It owns the whole state of a run: the editor
// whose text is the song, the song state, the neck, the settings.
#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "core/app/settings.h"
#include "core/app/song_file.h"
#include "core/chordsheet/chord_line.h"
#include "core/sound/chord_list.h"
#include "core/sound/play_schedule.h"
#include "platform/playback_wait.h"
#include "ui/chord_sheet.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;
class QToolButton;

namespace strumbly {

class AboutSound;
class MidiOutPort;
class MidiOutputService;
class RadioGroup;
class SettingsStore;
class TfrmAbout;
class TfrmNoSoundMessage;
class TfrmNewUserMessage;
class THelpWindow;
class NeckView;
class NeckMarker;

class TfrmMain : public QMainWindow {
  Q_OBJECT
 public:
  // Builds the window and runs its initialisation (FormCreate). The store
  // is where settings are read from and written to; null means the user's.
  explicit TfrmMain(const QStringList& arguments = {}, std::unique_ptr<SettingsStore> store = nullptr);
  ~TfrmMain() override;

  // Creates the program's other windows, in order, after the main window.
  void CreateOtherWindows();

  // --- song state ---------------------------------------------------------
  Settings settings;
  QString CurrentFileName;
  std::uint8_t CurrentPatch = 25;
  std::int32_t CurrentTuningTag = 555555;
  std::array<int, 6> TuningOffsets{0, 0, 0, 0, 0, 0};
  QString CurrentDuration = " Q";
  bool Modified = false;
  bool StopRequested = false;
  bool ExternalMidiMode = false;
  bool Activated = false;
  bool StatusHintsEnabled = false;
  bool PortOpen = false;

  ChordSheet& sheet() { return *sheet_; }
  bool IsPlaying() const;  // the Play button reads "Stop"

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

  // --- tuning -------------------------------------------------------------
  void ApplyTuning(std::int32_t tag);
  void BuildCustomTuningCaption(std::int32_t tag);
  void TuningMenuClicked(QAction* item);

  // --- sound --------------------------------------------------------------
  QString AcquireMidiPort();
  void ReleaseMidiPort();
  void CloseMidiPort();
  void NylonStringAcoustic1Click(QAction* item);
  void PreviewChord(const std::array<std::uint8_t, 6>& pitches);
  void PlayOrStop();
  void StepForward();
  void StepBack();
  void Step(int direction, const char* failure);
  void SetPlayingState(bool idle);
  MidiOutPort& midiPort() { return *midiPort_; }
  // When set, the built-in synthesizer is not loaded at start-up.
  static constexpr const char* kNoPreloadVariable = "STRUMBLY_NO_SYNTH_PRELOAD";
  // The device behind the port: the system's unless a test gives another.
  void SetMidiOutput(MidiOutputService& service);
  // The user instrument item MIDIPatch1 and the check mark of the menu.
  void SetMenuPatch(const QString& caption, int tag);
  void CheckInstrumentItem(int program);

  // --- playback -------------------------------------------------------------
  ChordList chordList;  // one record per editor line plus the end position
  bool BuildChordList(const QString& message, bool selectOnError);
  bool HasChordLine(int first, int last);
  void ComputeDurations(std::int32_t wholeLength);
  void PlayChord(const std::array<std::uint8_t, 6>& pitches, bool processEvents, std::int32_t length);
  void PlayWithOption(int option);
  void PlayRange(int first, int last);
  void PlayLine(int index);

  // --- song files -----------------------------------------------------------
  void NewSong();
  void ResetSongState();
  // Reads a song file; throws CommandError, changing nothing, when it cannot.
  SongText ReadSong(const QString& path);
  // Puts a read song into the editor and applies its info lines.
  void LoadSongText(const SongText& song);
  void LoadSong(const QString& path);  // ReadSong, then LoadSongText
  // Replaces the current song by the file's: the file is read first, so a
  // file that cannot be read leaves the current song as it was.
  void OpenSong(const QString& path);
  void WriteSong(const QString& path);
  void SaveSong();
  bool AskToSave();
  void New1Click();
  void Open1Click();
  void Save1Click();
  void SaveAs1Click();

  // --- editing commands -----------------------------------------------------
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
  void DurationButtonClick(QObject* button);  // the seven note-value buttons
  void chkDottedClick();
  void edtNameExit();  // Rename, when the name box loses the focus
  // A mouse button pressed and released on a neck marker.
  void Shape1MouseDown(NeckMarker* marker, Qt::MouseButton button);
  void Shape1MouseUp(NeckMarker* marker, Qt::MouseButton button);

  // --- shell ------------------------------------------------------------------
  void FormActivate();
  bool FormCloseQuery();
  void FormClose();
  void Print1Click();
  void About1Click();
  void Contents1Click();
  void Topics1Click();
  void ShowHelpContext(int context);

  // Runs a command; a failure of a file or settings operation ends it and
  // its text is shown in one error box.
  void RunCommand(const std::function<void()>& command);
  void ShowError(const QString& text);

  // --- controls (object names as in the window layout) -------------------------
  ChordEditor* RichEdit1 = nullptr;
  QLabel* lblChordName = nullptr;
  QLabel* lblFretNumbers = nullptr;
  QLabel* lblFilename = nullptr;
  QWidget* neckHost = nullptr;  // the frame around the neck picture
  NeckView* neckView = nullptr;  // the same frame, with the picture and markers
  QLineEdit* edtName = nullptr;
  int edtNameTag = 0;  // the line whose name edtName shows
  QGroupBox* grpPlayControls = nullptr;
  RadioGroup* rdoPlayOptions = nullptr;
  QCheckBox* chkLoop = nullptr;
  QCheckBox* chkTrace = nullptr;
  QSlider* trackbarTempo = nullptr;
  QLabel* lblTempo = nullptr;
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
  QActionGroup* tuningGroup = nullptr;
  QAction* Usertuning1 = nullptr;
  QActionGroup* instrumentGroup = nullptr;

  // Other windows, created after this one.
  TfrmAbout* frmAbout = nullptr;
  TfrmNoSoundMessage* frmNoSoundMessage = nullptr;
  TfrmNewUserMessage* frmNewUserMessage = nullptr;
  QList<QWidget*> otherWindows;
  THelpWindow* helpWindow = nullptr;

  QAction* action(const char* objectName) const;

 protected:
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  bool event(QEvent* e) override;

 private:
  // Construction, in main_window_layout.cpp.
  void BuildControls();
  void BuildMenus();
  void BuildStatusBar();
  QAction* AddItem(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                   const QKeySequence& shortcut, std::function<void()> handler);
  void SetHint(QWidget* w, const QString& hint);
  void LayoutControls();
  void FormCreate(const QStringList& arguments);

  // The Edit menu and the editor, in main_window_edit.cpp.
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

  // Parts that later work builds in their own files.
  void BuildTuningMenu();
  void BuildInstrumentMenu();
  void BuildNeck();
  void SetButtonPictures();        // note values and arrows on the edit buttons
  void ApplyUserTuningSettings();  // Usertuning1's caption and tag from the settings
  void StartSound();  // first activation: the port in External MIDI mode

  // Sound and playback, in main_window_sound.cpp and main_window_playback.cpp.
  void SetUpSound();
  void ConnectAboutSound();
  void WaitForDuration(PlaySchedule::Clock::time_point end, bool processEvents);
  void PlayChordWith(const std::array<std::uint8_t, 6>& pitches, bool processEvents, std::int32_t length,
                     const std::function<void()>& show);
  void OnPlayOptionClicked(int index);
  std::unique_ptr<MidiOutPort> midiPort_;
  std::unique_ptr<AboutSound> aboutSound_;
  PlaybackWait playbackWait_;
  std::optional<PlaySchedule> playSchedule_;  // while a range plays

  // Song files and editing, in main_window_songfile.cpp and _editing.cpp.
  void ConnectEditingCommands();
  void SetTabTitle(const QString& path);
  void ShiftChord(int step);
  void FocusEditor();

  std::unique_ptr<SettingsStore> store_;
  std::unique_ptr<ChordSheet> sheet_;
  bool closing_ = false;
  QString dialogFileName_;  // the name the song file dialogs propose
  // Renames when edtName loses the focus; it goes with the window's members,
  // before the controls, so the controls' last focus changes reach nothing.
  std::unique_ptr<QObject> nameWatcher_;
};

}  // namespace strumbly
