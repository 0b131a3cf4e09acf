#pragma once
// File / Export (ChordPro, MusicXML) and File / Import (ChordPro): songs
// written in and read from the formats other programs use.
class QMenu;

namespace strumbly {

class TfrmMain;

// Adds a separator and the Export and Import submenus at the end of menu.
void AddExchangeMenus(TfrmMain& window, QMenu& menu);

void ExportChordPro1Click(TfrmMain& window);
void ExportMusicXml1Click(TfrmMain& window);
// Reads a chord sheet as a new, unsaved song, after the save question.
void ImportChordPro1Click(TfrmMain& window);

}  // namespace strumbly
