#pragma once
// A checkable menu item that belongs to an exclusive group and carries a
// value: the items of the Tuning and Instrument menus.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QVariant>

namespace strumbly {

inline QAction* AddRadioItem(QMenu* menu, QActionGroup* group, const char* name, const QString& caption,
                             const QString& hint, const QVariant& value) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  item->setStatusTip(hint);
  item->setCheckable(true);
  item->setData(value);
  group->addAction(item);
  return item;
}

}  // namespace strumbly
