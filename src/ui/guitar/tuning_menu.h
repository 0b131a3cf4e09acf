#pragma once
// The Tuning menu: the preset tunings, a separator and the user tuning item
// `Usertuning1`. Items are found by the tuning tag they carry, so adding an
// item never shifts another.
#include <QObject>
#include <QString>

#include "core/guitar/tuning.h"

class QAction;
class QActionGroup;
class QMenu;

namespace strumbly {

class TuningMenu : public QObject {
  Q_OBJECT
 public:
  // Fills menu; addItem makes each item as the window makes menu items.
  explicit TuningMenu(QMenu* menu);

  QAction* UserItem() const { return user_; }
  // The user item as the settings name it.
  void SetUserItem(const QString& caption, TuningTag tag);
  // Checks the preset of tag, or the user item for any other tag. Gives the
  // checked item's caption.
  QString Check(TuningTag tag);
  // A song's tuning that is no preset becomes the user item, named after its
  // notes, for this run only.
  void AdoptSongTuning(TuningTag tag);

 signals:
  // The user chose an item; tag is the tuning it carries.
  void chosen(QAction* item);

 private:
  QAction* ItemFor(TuningTag tag) const;
  QMenu* menu_;
  QActionGroup* group_;
  QAction* user_ = nullptr;
};

}  // namespace strumbly
