// The settings dialog, opened from File / Settings on a main window and on
// its own with a host of its own.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "core/sound/midi_message.h"
#include "platform/command_error.h"
#include "platform/settings_store.h"
#include "support/main_window_fixture.h"
#include "support/shots.h"
#include "ui/app/options_dialog.h"
#include "ui/guitar/marker_sample.h"
#include "ui/guitar/neck_marker.h"
#include "ui/radio_group.h"

namespace strumbly::test {
namespace {

constexpr std::uint32_t kAqua = 16776960;

class OptionsDialogTest : public MainWindowTest {
 protected:
  TfrmOptions& Dialog() { return *window->frmOptions; }

  // File / Settings; act runs while the dialog is open, then OK (or Cancel)
  // is pressed as the user would.
  void OpenSettings(const std::function<void(TfrmOptions&)>& act, bool ok = true) {
    dialogs->onExec = [&](QDialog& shown) {
      auto& d = dynamic_cast<TfrmOptions&>(shown);
      statusHintsWhileOpen = window->StatusHintsEnabled();
      act(d);
      (ok ? d.btnOK : d.btnCancel)->click();
    };
    window->action("Options1")->trigger();
    dialogs->onExec = nullptr;
  }

  static void ChooseTuning(TfrmOptions& d, const QStringList& notes) {
    for (int i = 0; i < 6; ++i) d.cboStr[static_cast<std::size_t>(i)]->setCurrentText(notes[i]);
  }
  static QStringList TuningShown(TfrmOptions& d) {
    QStringList notes;
    for (QComboBox* c : d.cboStr) notes << c->currentText();
    return notes;
  }
  static QStringList Items(QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
  }
  QAction* Item(const char* name) { return window->action(name); }

  bool statusHintsWhileOpen = true;
};

TEST_F(OptionsDialogTest, OpensFromTheFileMenuWithTheDefaults) {
  ASSERT_TRUE(Item("Options1")->isEnabled());
  device.deviceNames = {"Port A", "Port B"};
  OpenSettings([&](TfrmOptions& d) {
    EXPECT_EQ(d.windowTitle(), "Settings");
    EXPECT_EQ(d.PageControl1->tabText(d.PageControl1->currentIndex()), "General");
    EXPECT_TRUE(d.chkAssociateFiles->isChecked());
    EXPECT_TRUE(d.chkSavePrompts->isChecked());
    EXPECT_EQ(d.chkSavePrompts->text(), "Warning: \"Save changes to...\" ");
    EXPECT_FALSE(d.chkCursorPlays->isChecked());
    EXPECT_FALSE(d.chkShowChordName->isChecked());
    EXPECT_FALSE(d.chkShowFretNumbers->isChecked());
    EXPECT_TRUE(d.chkShowTabPrompt->isChecked());
    EXPECT_FALSE(d.chkTabFont->isChecked());
    EXPECT_TRUE(d.chkTabShowNames->isChecked());
    EXPECT_TRUE(d.chkTabShowRhythm->isChecked());
    EXPECT_FALSE(d.chkSortDictionary->isChecked());
    EXPECT_FALSE(d.chkExternalMIDI->isChecked());

    EXPECT_EQ(d.rdoMarkerShape->itemIndex(), 3);
    EXPECT_EQ(d.rdoMarkerShape->item(3)->text(), "Circle");
    for (NeckMarker* m : d.shpSampleMarkers) {
      EXPECT_EQ(m->ColorValue(), kAqua);
      EXPECT_EQ(m->Shape(), 5);
      EXPECT_TRUE(m->IsFilled());
      EXPECT_EQ(m->height(), 11);
    }
    EXPECT_EQ(d.cboChannel->count(), 16);
    EXPECT_EQ(d.cboChannel->currentText(), " 1 (Default)");
    EXPECT_EQ(d.rdoOctave->itemIndex(), 1);
    EXPECT_EQ(d.rdoOctave->item(1)->text(), "0    (Default)");
    EXPECT_EQ(Items(d.cboDevice), QStringList({"Test Synthesizer (Default)", "Port A", "Port B"}));
    EXPECT_EQ(d.cboDevice->currentIndex(), 0);
    EXPECT_EQ(d.cboPatch->count(), 128);
    EXPECT_EQ(d.cboPatch->currentText(), "  1 Acoustic Grand");
    EXPECT_EQ(d.cboPatch->itemText(127), "128 Gunshot");
    EXPECT_EQ(TuningShown(d), QStringList({"C", "G", "C", "G", "C", "E"}));
    EXPECT_EQ(d.edtSoundFont->text(), TfrmOptions::SoundFontText(""));
    EXPECT_FALSE(d.PatchChanged());
    EXPECT_FALSE(d.TuningChanged());
  });
  EXPECT_EQ(dialogs->executedWindows, QStringList({"TfrmOptions"}));
  EXPECT_FALSE(statusHintsWhileOpen);
  EXPECT_TRUE(window->StatusHintsEnabled());
  // OK with nothing touched keeps every option as it was.
  const Settings defaults;
  EXPECT_EQ(window->settings().MarkerColor, defaults.MarkerColor);
  EXPECT_EQ(window->settings().MarkerShape, defaults.MarkerShape);
  EXPECT_EQ(window->settings().Device, -1);
  EXPECT_EQ(window->settings().Channel, 0);
  EXPECT_EQ(window->settings().Octave, 0);
  EXPECT_EQ(window->settings().MenuTuningTag, 133565);
  EXPECT_FALSE(window->song().Modified());
}

TEST_F(OptionsDialogTest, MarkerShapesStoreTheirCodesAndShowOnTheNeck) {
  Sheet(kCMajor, 0);
  OpenSettings([](TfrmOptions& d) {
    d.rdoMarkerShape->item(2)->click();  // Ellipse
    EXPECT_EQ(d.MarkerShapeCode(), 4);
    for (NeckMarker* m : d.shpSampleMarkers) EXPECT_EQ(m->Shape(), 4);
  });
  EXPECT_EQ(window->settings().MarkerShape, 4);
  EXPECT_EQ(Marker(2, 1)->Shape(), 4);
  EXPECT_TRUE(Marker(2, 1)->IsFilled());

  OpenSettings([](TfrmOptions& d) {
    EXPECT_EQ(d.rdoMarkerShape->itemIndex(), 2);
    d.rdoMarkerShape->item(1)->click();  // Square
  });
  EXPECT_EQ(window->settings().MarkerShape, 1);
  OpenSettings([](TfrmOptions& d) { d.rdoMarkerShape->item(3)->click(); });
  EXPECT_EQ(window->settings().MarkerShape, 5);
  EXPECT_EQ(Marker(2, 1)->Shape(), 5);
}

TEST_F(OptionsDialogTest, TheColourChooserSetsTheSamplesAndCancellingItChangesNothing) {
  Sheet(kCMajor, 0);
  dialogs->colorAnswer = std::nullopt;
  OpenSettings([](TfrmOptions& d) {
    d.Button1->click();
    for (NeckMarker* m : d.shpSampleMarkers) EXPECT_EQ(m->ColorValue(), kAqua);
  });
  EXPECT_EQ(window->settings().MarkerColor, static_cast<std::int32_t>(kAqua));

  dialogs->colorAnswer = QColor(255, 0, 0);
  OpenSettings([](TfrmOptions& d) {
    d.Button1->click();
    for (NeckMarker* m : d.shpSampleMarkers) EXPECT_EQ(m->ColorValue(), 255u);
  });
  EXPECT_EQ(window->settings().MarkerColor, 255);
  EXPECT_EQ(Marker(2, 1)->ColorValue(), 255u);

  // A colour chosen and then cancelled with the dialog is not stored.
  dialogs->colorAnswer = QColor(0, 0, 255);
  OpenSettings([](TfrmOptions& d) { d.Button1->click(); }, false);
  EXPECT_EQ(window->settings().MarkerColor, 255);
  OpenSettings(
      [](TfrmOptions& d) {
        for (NeckMarker* m : d.shpSampleMarkers) EXPECT_EQ(m->ColorValue(), 255u);
      },
      false);
}

TEST_F(OptionsDialogTest, ChoosingAnInstrumentMakesItTheUserItemAndTheSongsSound) {
  Sheet(kCMajor, 0);
  window->song().SetModified(false);
  OpenSettings([](TfrmOptions& d) {
    d.cboPatch->setCurrentIndex(40);
    EXPECT_EQ(d.cboPatch->currentText(), " 41 Violin");
    EXPECT_TRUE(d.PatchChanged());
  });
  QAction* user = Item("MIDIPatch1");
  EXPECT_EQ(user->text(), " 41 Violin");
  EXPECT_EQ(user->data().toInt(), 41);
  EXPECT_TRUE(user->isChecked());
  EXPECT_EQ(window->song().Patch(), 40);
  EXPECT_EQ(window->settings().MenuPatchName, " 41 Violin");
  EXPECT_EQ(window->settings().MenuPatchTag, 41);
  EXPECT_FALSE(window->song().Modified());

  device.Clear();
  window->btnDup->click();
  const auto programs = device.OfKind(0xC0);
  ASSERT_FALSE(programs.empty());
  EXPECT_EQ(programs.front().data1, 40);

  // It lasts into the next run.
  Restart();
  EXPECT_EQ(Item("MIDIPatch1")->text(), " 41 Violin");
  EXPECT_EQ(Item("MIDIPatch1")->data().toInt(), 41);
}

TEST_F(OptionsDialogTest, AGuitarSoundChosenAsTheUserInstrumentChecksTheUserItem) {
  OpenSettings([](TfrmOptions& d) { d.cboPatch->setCurrentIndex(25); });
  EXPECT_EQ(Item("MIDIPatch1")->text(), " 26 Acoustic Guitar(steel)");
  EXPECT_TRUE(Item("MIDIPatch1")->isChecked());
  EXPECT_FALSE(Item("AcousticSteelStringGuitar1")->isChecked());
  EXPECT_EQ(window->song().Patch(), 25);
}

TEST_F(OptionsDialogTest, ATuningThatEqualsAPresetStillChecksTheUserItem) {
  window->song().SetModified(false);
  OpenSettings([](TfrmOptions& d) {
    ChooseTuning(d, {"D", "A", "D", "G", "B", "E"});
    EXPECT_TRUE(d.TuningChanged());
  });
  QAction* user = Item("Usertuning1");
  EXPECT_EQ(user->text(), "&Custom Tuning - D A D G B E");
  EXPECT_EQ(user->data().toInt(), 355555);
  EXPECT_TRUE(user->isChecked());
  EXPECT_FALSE(Item("DroppedD1")->isChecked());
  EXPECT_EQ(window->song().Tuning(), 355555);
  EXPECT_EQ(window->song().Offsets(), (StringOffsets{0, 0, 0, 0, 0, -2}));
  EXPECT_EQ(window->settings().MenuTuningTag, 355555);
  EXPECT_EQ(window->settings().MenuTuningName, "&Custom Tuning - D A D G B E");
  EXPECT_FALSE(window->song().Modified());

  // The lists open on the user item's tuning.
  OpenSettings([](TfrmOptions& d) { EXPECT_EQ(TuningShown(d), QStringList({"D", "A", "D", "G", "B", "E"})); }, false);
}

TEST_F(OptionsDialogTest, TheTuningListsFollowATuningASongGaveTheUserItem) {
  window->tuningMenu().AdoptSongTuning(575555);
  OpenSettings([](TfrmOptions& d) { EXPECT_EQ(TuningShown(d), QStringList({"E", "B", "D", "G", "B", "E"})); }, false);
}

TEST_F(OptionsDialogTest, OkWithoutTouchingInstrumentOrTuningLeavesBothMenusAlone) {
  window->song().SetPatch(27);
  Item("CleanElectric1")->setChecked(true);
  window->TuningMenuClicked(Item("GMajor1"));
  window->song().SetModified(false);
  OpenSettings([](TfrmOptions&) {});
  EXPECT_EQ(Item("MIDIPatch1")->text(), "  1 Acoustic Grand");
  EXPECT_FALSE(Item("MIDIPatch1")->isChecked());
  EXPECT_TRUE(Item("CleanElectric1")->isChecked());
  EXPECT_EQ(Item("Usertuning1")->text(), "&Custom Tuning - C G C G C E");
  EXPECT_TRUE(Item("GMajor1")->isChecked());
  EXPECT_EQ(window->song().Patch(), 27);
  EXPECT_EQ(window->song().Tuning(), 335553);
}

TEST_F(OptionsDialogTest, CancelStoresNothing) {
  OpenSettings(
      [](TfrmOptions& d) {
        d.chkSavePrompts->setChecked(false);
        d.chkShowChordName->setChecked(true);
        d.cboChannel->setCurrentIndex(9);
        d.rdoOctave->item(2)->click();
        d.cboPatch->setCurrentIndex(40);
        ChooseTuning(d, {"D", "A", "D", "G", "B", "E"});
      },
      false);
  const Settings defaults;
  EXPECT_TRUE(window->settings().Prompts);
  EXPECT_FALSE(window->settings().ShowChordName);
  EXPECT_EQ(window->settings().Channel, 0);
  EXPECT_EQ(window->settings().Octave, 0);
  EXPECT_EQ(window->settings().MenuPatchName, defaults.MenuPatchName);
  EXPECT_EQ(window->settings().MenuTuningTag, defaults.MenuTuningTag);
  EXPECT_EQ(Item("MIDIPatch1")->text(), "  1 Acoustic Grand");
  // The next opening shows the settings again, not what was left there.
  OpenSettings(
      [](TfrmOptions& d) {
        EXPECT_TRUE(d.chkSavePrompts->isChecked());
        EXPECT_EQ(d.cboChannel->currentIndex(), 0);
        EXPECT_EQ(d.rdoOctave->itemIndex(), 1);
        EXPECT_FALSE(d.PatchChanged());
      },
      false);
}

TEST_F(OptionsDialogTest, CheckBoxesChannelAndOctaveAreStoredAndShown) {
  ShowAndActivate();
  Sheet(kCMajor, 0);
  OpenSettings([](TfrmOptions& d) {
    d.chkSavePrompts->setChecked(false);
    d.chkShowTabPrompt->setChecked(false);
    d.chkSortDictionary->setChecked(true);
    d.chkCursorPlays->setChecked(true);
    d.chkTabFont->setChecked(true);
    d.chkTabShowNames->setChecked(false);
    d.chkTabShowRhythm->setChecked(false);
    d.chkAssociateFiles->setChecked(false);
    d.chkShowChordName->setChecked(true);
    d.chkShowFretNumbers->setChecked(true);
    d.chkExternalMIDI->setChecked(true);
    d.cboChannel->setCurrentIndex(9);
    EXPECT_EQ(d.cboChannel->currentText(), " 10 (Drums)");
    d.rdoOctave->item(0)->click();
  });
  const Settings& s = window->settings();
  EXPECT_FALSE(s.Prompts);
  EXPECT_FALSE(s.TabPrompt);
  EXPECT_TRUE(s.SortDictionary);
  EXPECT_TRUE(s.CursorPlays);
  EXPECT_TRUE(s.TabFont);
  EXPECT_FALSE(s.TabShowNames);
  EXPECT_FALSE(s.TabShowRhythm);
  EXPECT_FALSE(s.Associate);
  EXPECT_TRUE(s.ShowChordName);
  EXPECT_TRUE(s.ShowFretNumbers);
  EXPECT_TRUE(s.ExternalMIDI);
  EXPECT_FALSE(window->player().ExternalMidiMode());  // only from the next start
  EXPECT_EQ(s.Channel, 9);
  EXPECT_EQ(s.Octave, -12);
  EXPECT_TRUE(window->lblChordName->isVisible());
  EXPECT_EQ(window->lblChordName->text(), "C");
  EXPECT_TRUE(window->lblFretNumbers->isVisible());
  // OK wrote them to the settings file already: a crash now loses nothing,
  // and the next start greets no new user.
  {
    IniSettingsStore onDisk(settingsPath());
    const Settings saved = LoadSettings(onDisk, "/elsewhere");
    EXPECT_FALSE(saved.FirstRun);
    EXPECT_FALSE(saved.Prompts);
    EXPECT_TRUE(saved.ShowChordName);
    EXPECT_FALSE(saved.TabShowNames);
    EXPECT_FALSE(saved.TabShowRhythm);
    EXPECT_TRUE(saved.ExternalMIDI);
    EXPECT_EQ(saved.Channel, 9);
    EXPECT_EQ(saved.Octave, -12);
  }

  // Channel 10 and an octave down are what the next chord sends.
  device.Clear();
  window->btnDup->click();
  const auto ons = device.OfKind(0x90);
  ASSERT_FALSE(ons.empty());
  EXPECT_EQ(ons.front().status, 0x99);

  OpenSettings([](TfrmOptions& d) {
    d.chkShowChordName->setChecked(false);
    d.chkShowFretNumbers->setChecked(false);
    d.rdoOctave->item(2)->click();
  });
  EXPECT_FALSE(window->lblChordName->isVisible());
  EXPECT_FALSE(window->lblFretNumbers->isVisible());
  EXPECT_EQ(window->settings().Octave, 12);
}

TEST_F(OptionsDialogTest, ANewMarkerLookShowsOnTheNeckAtOnce) {
  Sheet(kCMajor, 0);
  dialogs->colorAnswer = QColor(255, 128, 0);
  OpenSettings([](TfrmOptions& d) {
    d.chkShowChordName->setChecked(true);
    d.chkShowFretNumbers->setChecked(true);
    d.Button1->click();
    d.rdoMarkerShape->item(1)->click();
  });
  int filled = 0;
  for (int string = 1; string <= 6; ++string)
    for (int fret = 0; fret <= 18; ++fret) {
      NeckMarker* m = Marker(string, fret);
      if (!m->IsFilled()) continue;
      ++filled;
      EXPECT_EQ(m->ColorValue(), 0x0080FFu);
      EXPECT_EQ(m->Shape(), 1);
    }
  EXPECT_EQ(filled, 5);
  SaveShot(RenderAt(*window, 1.0), "settings-applied-window");
}

TEST_F(OptionsDialogTest, StoredValuesTheListsHaveNoEntryForAreKept) {
  window->settings().Channel = 200;
  window->settings().Octave = 7;
  window->settings().Device = 5;
  window->settings().MenuPatchTag = 300;
  device.deviceNames = {"Port A"};
  OpenSettings([](TfrmOptions& d) {
    EXPECT_EQ(d.cboChannel->currentIndex(), -1);
    EXPECT_EQ(d.rdoOctave->itemIndex(), -1);
    EXPECT_EQ(d.cboDevice->currentIndex(), -1);
    EXPECT_EQ(d.cboPatch->currentIndex(), -1);
  });
  EXPECT_EQ(window->settings().Channel, 200);
  EXPECT_EQ(window->settings().Octave, 7);
  EXPECT_EQ(window->settings().Device, 5);
  EXPECT_EQ(window->settings().MenuPatchTag, 300);
}

TEST_F(OptionsDialogTest, DevicesAreChosenByPositionAndNoDeviceKeepsTheChoice) {
  device.deviceNames = {"Port A", "Port B"};
  window->settings().Device = 1;
  OpenSettings([](TfrmOptions& d) {
    EXPECT_EQ(d.cboDevice->currentText(), "Port B");
    d.cboDevice->setCurrentIndex(1);
  });
  EXPECT_EQ(window->settings().Device, 0);
  EXPECT_TRUE(dialogs->messages.empty());  // no warning outside External MIDI mode

  device.deviceNames.clear();
  OpenSettings([](TfrmOptions& d) { EXPECT_EQ(d.cboDevice->count(), 0); });
  EXPECT_EQ(window->settings().Device, 0);
}

TEST_F(OptionsDialogTest, ANewDeviceInExternalMidiModeWarnsThatItWaitsForARestart) {
  device.deviceNames = {"Port A"};
  window->player().SetExternalMidiMode(true);
  OpenSettings([](TfrmOptions& d) { d.cboDevice->setCurrentIndex(1); });
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(dialogs->messages[0].text,
            "This program was started with 'External MIDI' Checked.  If you select a new MIDI device it won't be "
            "used until the program is started again.");
  EXPECT_EQ(window->settings().Device, 0);
}

TEST_F(OptionsDialogTest, EveryMouseReleaseOnExternalMidiWarnsAndTheKeyboardDoesNot) {
  const QString warning = "This option does not take effect until the program has been restarted.";
  OpenSettings([](TfrmOptions& d) {
    d.PageControl1->setCurrentIndex(3);
    QTest::mouseClick(d.chkExternalMIDI, Qt::LeftButton, {}, QPoint(5, d.chkExternalMIDI->height() / 2));
    QCoreApplication::processEvents();
    QTest::mouseClick(d.chkExternalMIDI, Qt::LeftButton, {}, QPoint(5, d.chkExternalMIDI->height() / 2));
    QCoreApplication::processEvents();
    EXPECT_FALSE(d.chkExternalMIDI->isChecked());
    d.chkExternalMIDI->setFocus();
    QTest::keyClick(d.chkExternalMIDI, Qt::Key_Space);
    QCoreApplication::processEvents();
    EXPECT_TRUE(d.chkExternalMIDI->isChecked());
  });
  EXPECT_EQ(dialogs->texts(), QStringList({warning, warning}));
  EXPECT_EQ(dialogs->messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(dialogs->messages[0].buttons, MessageButtons::Ok);
  EXPECT_TRUE(window->settings().ExternalMIDI);
}

TEST_F(OptionsDialogTest, LaterOpeningsShowThePageShownLast) {
  OpenSettings([](TfrmOptions& d) { d.PageControl1->setCurrentIndex(4); }, false);
  OpenSettings(
      [](TfrmOptions& d) { EXPECT_EQ(d.PageControl1->tabText(d.PageControl1->currentIndex()), "Chord Dictionary"); },
      false);
}

TEST_F(OptionsDialogTest, TheSoundfontIsChosenAtOnceAndCancelKeepsIt) {
  dialogs->fileAnswers = {dir.filePath("Other.sf2")};
  OpenSettings(
      [&](TfrmOptions& d) {
        d.btnSoundFont->click();
        EXPECT_EQ(d.edtSoundFont->text(), dir.filePath("Other.sf2"));
      },
      false);
  EXPECT_EQ(window->settings().SoundFont, S(dir.filePath("Other.sf2")));
  {
    IniSettingsStore onDisk(settingsPath());  // saved at once, as it acts at once
    EXPECT_EQ(LoadSettings(onDisk, "/elsewhere").SoundFont, S(dir.filePath("Other.sf2")));
  }
  ASSERT_EQ(dialogs->fileDialogs.size(), 1u);
  EXPECT_TRUE(dialogs->fileDialogs[0].filter.contains("*.sf2"));
  // Cancelling the file dialog keeps the choice; "Usual" clears it.
  OpenSettings([](TfrmOptions& d) {
    d.btnSoundFont->click();
    EXPECT_FALSE(d.edtSoundFont->text().isEmpty());
    d.btnSoundFontDefault->click();
    EXPECT_EQ(d.edtSoundFont->text(), TfrmOptions::SoundFontText(""));
  });
  EXPECT_EQ(window->settings().SoundFont, "");
  EXPECT_EQ(dialogs->fileDialogs[1].folder, dir.path());
}

// The dialog on its own, with a host that records what it is asked.
class StandaloneOptionsTest : public ::testing::Test {
 protected:
  DialogsScope dialogs;
  Settings settings;
  int replaced = 0;
  int soundFonts = 0;
  int devices = 0;
  std::vector<OptionsChanges> applied;
  std::unique_ptr<TfrmOptions> dialog;

  void SetUp() override {
    OptionsHost host;
    host.midiDeviceCount = [this] { return devices; };
    host.midiDeviceName = [](int id) {
      return id < 0 ? QString("Strumbly Synthesizer") : QString("MIDI Through %1").arg(id);
    };
    host.externalMidiMode = [] { return false; };
    host.replaceDictionary = [this] { ++replaced; };
    host.soundFontChanged = [this] { ++soundFonts; };
    host.applySettings = [this](const OptionsChanges& c) { applied.push_back(c); };
    dialog = std::make_unique<TfrmOptions>(settings, std::move(host));
    dialog->setAttribute(Qt::WA_DontShowOnScreen);
  }
  void Run(const std::function<void(TfrmOptions&)>& act) {
    dialogs->onExec = [&](QDialog&) { act(*dialog); };
    dialogs->Exec(*dialog);
  }
};

TEST_F(StandaloneOptionsTest, TheDictionaryIsReplacedOnlyAfterYesAndCancelDoesNotUndoIt) {
  dialogs->messageAnswers = {MessageResult::No, MessageResult::Yes};
  Run([](TfrmOptions& d) {
    d.Button2->click();
    d.Button2->click();
    d.btnCancel->click();
  });
  EXPECT_EQ(replaced, 1);
  ASSERT_EQ(dialogs->messages.size(), 2u);
  EXPECT_EQ(dialogs->messages[0].text, "You are about to replace the chord dictionary. Do you want to proceed?");
  EXPECT_EQ(dialogs->messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(dialogs->messages[0].buttons, MessageButtons::YesNo);
  EXPECT_TRUE(applied.empty());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(StandaloneOptionsTest, OkAppliesOnceWithWhatChanged) {
  Run([](TfrmOptions& d) { d.btnOK->click(); });
  ASSERT_EQ(applied.size(), 1u);
  EXPECT_FALSE(applied[0].patchChanged);
  EXPECT_FALSE(applied[0].tuningChanged);
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(settings.Device, -1);  // no device list: the choice stays

  Run([](TfrmOptions& d) {
    d.cboStr[0]->setCurrentIndex(2);  // string 6 to D
    d.btnOK->click();
  });
  ASSERT_EQ(applied.size(), 2u);
  EXPECT_TRUE(applied[1].tuningChanged);
  EXPECT_FALSE(applied[1].patchChanged);
  // Without a user tuning from the window the lists start from the stored one.
  EXPECT_EQ(settings.MenuTuningTag, 333565);
  EXPECT_EQ(settings.MenuTuningName, "&Custom Tuning - D G C G C E");
}

TEST_F(StandaloneOptionsTest, AFailureOfWhatOkAsksForIsReportedAndTheDialogStillCloses) {
  OptionsHost host;
  host.applySettings = [](const OptionsChanges&) { throw CommandError("Failed to create key .sly"); };
  dialog = std::make_unique<TfrmOptions>(settings, std::move(host));
  dialog->setAttribute(Qt::WA_DontShowOnScreen);
  Run([](TfrmOptions& d) {
    d.chkSavePrompts->setChecked(false);
    d.btnOK->click();
  });
  EXPECT_EQ(dialogs->texts(), QStringList({"Failed to create key .sly"}));
  EXPECT_EQ(dialogs->messages[0].kind, MessageKind::Error);
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_FALSE(settings.Prompts);
}

TEST_F(StandaloneOptionsTest, AStoredRectangleAndColourLoadIntoTheSamples) {
  settings.MarkerShape = 0;
  settings.MarkerColor = 0x0000FF;
  Run([](TfrmOptions& d) {
    EXPECT_EQ(d.rdoMarkerShape->itemIndex(), 0);
    EXPECT_EQ(d.MarkerShapeCode(), 0);
    for (NeckMarker* m : d.shpSampleMarkers) {
      EXPECT_EQ(m->Shape(), 0);
      EXPECT_EQ(m->ColorValue(), 0xFFu);
    }
  });
}

// At the size it opens with, every control of every page, and the OK and
// Cancel row, shows whole inside the dialog.
TEST_F(StandaloneOptionsTest, EveryControlShowsWholeOnEveryPage) {
  dialog->resize(dialog->sizeHint().expandedTo(QSize(680, 460)));
  settings.ShowChordName = true;
  devices = 2;
  Run([](TfrmOptions& d) {
    const auto whole = [&d](QWidget* w) {
      return w->isVisibleTo(&d) && d.rect().contains(QRect(w->mapTo(&d, QPoint(0, 0)), w->size()));
    };
    EXPECT_TRUE(whole(d.btnOK));
    EXPECT_TRUE(whole(d.btnCancel));
    EXPECT_TRUE(d.btnOK->isDefault());
    const char* names[] = {"general", "markers", "tabulature", "midi", "dictionary", "instrument"};
    for (int page = 0; page < d.PageControl1->count(); ++page) {
      d.PageControl1->setCurrentIndex(page);
      QCoreApplication::sendPostedEvents();
      int controls = 0;
      for (QWidget* w : d.PageControl1->currentWidget()->findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QComboBox*>(w) && !qobject_cast<QLineEdit*>(w))
          continue;
        ++controls;
        EXPECT_TRUE(whole(w)) << names[page] << ": " << S(w->objectName()) << " " << S(w->metaObject()->className());
      }
      EXPECT_GT(controls, 0) << names[page];
      SaveShot(RenderAt(d, 1.0), QString("settings-%1").arg(names[page]));
    }
  });
}

}  // namespace
}  // namespace strumbly::test
