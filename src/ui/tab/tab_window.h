#pragma once
// "Tabulature" / "ASCII Tabulature": the song as graphic tablature that can
// be printed, or as ASCII text that can be saved.
#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "core/sound/chord_list.h"
#include "core/tab/tab_drawing.h"

class QPlainTextEdit;
class QPushButton;

namespace strumbly {

class TTabPaintBox;

enum class TabMode { Graphic = 0, Ascii = 1 };

// What the window shows, taken from the song when it opens.
struct TabSource {
  ChordList chordList;             // built without error
  std::vector<std::string> lines;  // the editor's lines
  std::string fileName;            // the song's path ("Untitled.sly" for a new song)
  std::string tuningText;          // the tuning as the status bar names it
  bool boldFrets = false;          // "Use bold font for graphic tab"
  bool prompted = false;           // the titles below come from the title prompt
  std::string title, subtitle;
  std::string lastDir;  // where the save dialog starts
  // Graphic tablature: chord and string names, and the rhythm.
  bool showNames = false;
  bool showRhythm = false;
  // ASCII tablature: the line of chord names and the string names; off,
  // the text is the plain format that saved files and scripts rely on.
  bool asciiNames = false;
  TuningTag tuning = kStandardTuningTag;  // the string names' tuning
};

class TfrmTab : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmTab(QWidget* parent = nullptr);
  ~TfrmTab() override;

  // Builds the tablature for the mode; show the window afterwards. In ASCII
  // mode an overfull bar's warning is shown here.
  void Open(TabMode mode, TabSource source);

  TabMode mode() const { return mode_; }
  const TabLayout* layout() const { return layout_.get(); }
  const TabDrawing& drawing() const { return drawing_; }
  // The lines of the text box.
  std::vector<std::string> AsciiLines() const;

  QPushButton* btnPrint;
  QPushButton* btnSave;
  QPushButton* btnExit;
  TTabPaintBox* PaintBox1;
  QPlainTextEdit* Memo1;

  void btnPrintClick();
  void btnSaveClick();

  // Closes the window and releases the tablature.
  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool HandleKey(int key);
  void OnPainted(bool truncated);
  void ShowTruncationWarning();

  TabMode mode_ = TabMode::Graphic;
  TabSource source_;
  std::unique_ptr<TabLayout> layout_;
  TabDrawing drawing_;
  bool warningShown_ = false;
};

}  // namespace strumbly
