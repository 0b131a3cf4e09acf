#include "ui/guitar/tuning_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "ui/qt_text.h"
#include "ui/radio_menu_item.h"

namespace strumbly {

TuningMenu::TuningMenu(QMenu* menu) : QObject(menu), menu_(menu), group_(new QActionGroup(this)) {
  group_->setExclusive(true);
  auto add = [this](const char* name, const QString& caption, const QString& hint, TuningTag tag) {
    QAction* item = AddRadioItem(menu_, group_, name, caption, hint, tag);
    connect(item, &QAction::triggered, this, [this, item] { emit chosen(item); });
    return item;
  };
  for (const TuningPreset& preset : kTuningPresets) add(preset.objectName, preset.caption, kTuningHint, preset.tag);
  menu_->addSeparator()->setObjectName("N8");
  user_ = add("Usertuning1", kDefaultUserTuningCaption, kUserTuningHint, kDefaultUserTuningTag);
}

void TuningMenu::SetUserItem(const QString& caption, TuningTag tag) {
  user_->setText(caption);
  user_->setData(tag);
}

// The presets come first: a user item that holds a preset's tag leaves the
// check on the preset.
QAction* TuningMenu::ItemFor(TuningTag tag) const {
  if (const TuningPreset* preset = FindTuningPreset(tag))
    for (QAction* a : group_->actions())
      if (a->data().toInt() == preset->tag) return a;
  return nullptr;
}

QString TuningMenu::Check(TuningTag tag) {
  QAction* item = ItemFor(tag);
  if (!item) item = user_;
  item->setChecked(true);
  return item->text();
}

void TuningMenu::AdoptSongTuning(TuningTag tag) {
  tag = NormalizeTuningTag(tag);
  if (ItemFor(tag)) return;
  user_->setData(tag);
  user_->setText(Q(BuildCustomTuningCaption(tag)));
}

}  // namespace strumbly
