#pragma once
// The Instrument menu: eight guitar sounds, a separator and the user item
// `MIDIPatch1`. Each item carries its program counted from 1; items are
// found by that, never by their position.
#include <QObject>
#include <QString>
#include <cstdint>

class QAction;
class QActionGroup;
class QMenu;

namespace strumbly {

class InstrumentMenu : public QObject {
  Q_OBJECT
 public:
  explicit InstrumentMenu(QMenu* menu);

  QAction* UserItem() const { return user_; }
  void SetUserItem(const QString& caption, int tag);
  // Checks the item that selects program; the guitar items come first, so a
  // user item that is also a guitar sound leaves the check on the guitar.
  // No item checked when none selects it.
  void Check(int program);
  // True when a guitar item selects the program.
  bool IsGuitarProgram(int program) const;
  // The program an item selects (its tag less one, as a byte).
  static std::uint8_t ProgramOf(const QAction* item);

 signals:
  void chosen(QAction* item);

 private:
  QActionGroup* group_;
  QAction* user_ = nullptr;
};

}  // namespace strumbly
