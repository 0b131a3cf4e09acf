#include "ui/app/exchange_commands.h"

#include <QAction>
#include <QMenu>
#include <QSlider>
#include <functional>

#include "core/app/song_names.h"
#include "core/app/song_state.h"
#include "core/chordsheet/chordpro.h"
#include "core/tab/musicxml.h"
#include "platform/dialogs.h"
#include "platform/dictionary_file.h"
#include "platform/song_io.h"
#include "ui/app/main_window.h"
#include "ui/app/song_files.h"
#include "ui/chordsheet/dictionary_box.h"
#include "ui/qt_text.h"
#include "ui/sound/player.h"

namespace strumbly {

namespace {

struct ExportFormat {
  const char* fixMessage;
  const char* noChordsMessage;
  const char* title;
  const char* extension;
  const char* filter;
  std::string (*write)(const ExchangeSong&);
};

constexpr ExportFormat kChordPro{"Fix errors before exporting a ChordPro file.",
                                 "Can't export ChordPro. No chords defined in editor.",
                                 "Export ChordPro",
                                 ".cho",
                                 "ChordPro files (*.cho)|*.cho|All Files (*.*)|*.*",
                                 &ChordProText};
constexpr ExportFormat kMusicXml{"Fix errors before exporting a MusicXML file.",
                                 "Can't export MusicXML. No chords defined in editor.",
                                 "Export MusicXML",
                                 ".musicxml",
                                 "MusicXML files (*.musicxml)|*.musicxml|All Files (*.*)|*.*",
                                 &MusicXmlText};

void Export(TfrmMain& w, const ExportFormat& format) {
  if (!w.player().BuildChordList(format.fixMessage, true)) return;
  if (!w.player().HasChordLine(0, w.sheet().LineCount() - 1)) {
    w.ShowError(format.noChordsMessage);
    return;
  }
  std::string error;
  const auto song = MakeExchangeSong(ToStdStrings(w.sheet().Lines()), w.song().FileName(), w.song().Tempo(),
                                     w.song().Patch(), w.song().Tuning(), error);
  if (!song) {
    w.ShowError(Q(error));
    return;
  }
  FileDialogOptions options;
  options.title = format.title;
  options.folder = Q(w.settings().LastDir);
  options.fileName = Q(WithExtension(FileNameOf(w.song().FileName()), format.extension));
  options.filter = format.filter;
  options.defaultSuffix = QString(format.extension).mid(1);
  options.confirmOverwrite = true;
  const QString chosen = dialogs().SaveFile(&w, options);
  if (chosen.isEmpty()) return;
  WriteFileSafely(chosen, format.write(*song));
  w.settings().LastDir = FolderOf(S(chosen));
}

QAction* Add(TfrmMain& w, QMenu& menu, const char* name, const QString& caption, const QString& hint,
             std::function<void(TfrmMain&)> handler) {
  QAction* a = menu.addAction(caption);
  a->setObjectName(name);
  a->setStatusTip(hint);
  QObject::connect(a, &QAction::triggered, &w,
                   [&w, handler = std::move(handler)] { w.RunCommand([&] { handler(w); }); });
  return a;
}

}  // namespace

void AddExchangeMenus(TfrmMain& w, QMenu& menu) {
  menu.addSeparator();
  QMenu* exportMenu = menu.addMenu("&Export");
  exportMenu->setObjectName("Export1");
  exportMenu->menuAction()->setObjectName("Export1Item");
  exportMenu->menuAction()->setStatusTip("Write the song for other programs.");
  Add(w, *exportMenu, "ExportChordPro1", "&ChordPro...", "Write the song as a ChordPro chord sheet.",
      ExportChordPro1Click);
  Add(w, *exportMenu, "ExportMusicXml1", "&MusicXML...", "Write the song as a MusicXML score with guitar tablature.",
      ExportMusicXml1Click);
  QMenu* importMenu = menu.addMenu("&Import");
  importMenu->setObjectName("Import1");
  importMenu->menuAction()->setObjectName("Import1Item");
  importMenu->menuAction()->setStatusTip("Read a song written by another program.");
  Add(w, *importMenu, "ImportChordPro1", "&ChordPro...", "Read a ChordPro chord sheet as a new song.",
      ImportChordPro1Click);
}

void ExportChordPro1Click(TfrmMain& w) { Export(w, kChordPro); }
void ExportMusicXml1Click(TfrmMain& w) { Export(w, kMusicXml); }

void ImportChordPro1Click(TfrmMain& w) {
  if (w.song().Modified() && !w.songFiles().AskToSave()) return;
  FileDialogOptions options;
  options.title = "Import ChordPro";
  options.folder = Q(w.settings().LastDir);
  options.filter = "ChordPro files (*.cho)|*.cho|All Files (*.*)|*.*";
  options.confirmOverwrite = false;
  const QString chosen = dialogs().OpenFile(&w, options);
  if (chosen.isEmpty()) return;
  std::string bytes = ReadSongFile(chosen);
  if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
  const ChordProImport sheet = ImportChordPro(
      DecodeSongText(bytes), DictionaryShapeLookup({ToStdStrings(w.dictionary().entries()), DefaultDictionary()}));
  w.settings().LastDir = FolderOf(S(chosen));
  bool anyChord = !sheet.unfingered.empty();
  for (const std::string& line : sheet.lines) {
    ChordRecord r;
    if (ParseChordText(line, 0, r).empty() && KindOf(r, {}) == RecordKind::Chord) anyChord = true;
  }
  if (!anyChord) {
    w.ShowError("Can't import " + Q(FileNameOf(S(chosen))) + ". No chords found.");
    return;
  }
  // A new untitled song: saving it asks for a name, so no song file is
  // replaced by accident.
  w.songFiles().NewSong();
  w.sheet().SetLines(ToQStrings(sheet.lines));
  w.song().SetTempo(TempoFromInfo(sheet.tempo.value_or(kDefaultTempo)));
  w.sheet().SetSelection(0, 0);
  w.ShowLine(0);
  w.song().SetModified(true);
  if (!sheet.unfingered.empty())
    dialogs().Message(&w, MessageKind::Information, Q(UnfingeredMessage(sheet.unfingered)), MessageButtons::Ok);
}

}  // namespace strumbly
