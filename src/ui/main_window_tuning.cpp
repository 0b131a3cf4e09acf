// The Tuning menu and the current tuning.
#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "core/guitar/tuning.h"
#include "ui/main_window.h"

namespace strumbly {

void TfrmMain::BuildTuningMenu() {
  tuningGroup = new QActionGroup(this);
  tuningGroup->setExclusive(true);
  auto addTuning = [this](const char* name, const QString& caption, const QString& hint, TuningTag tag) {
    QAction* item = AddItem(Tuning1, name, caption, hint, {}, nullptr);
    item->setCheckable(true);
    item->setData(tag);
    tuningGroup->addAction(item);
    connect(item, &QAction::triggered, this, [this, item] { RunCommand([this, item] { TuningMenuClicked(item); }); });
    return item;
  };
  for (const TuningPreset& preset : kTuningPresets)
    addTuning(preset.objectName, preset.caption, kTuningHint, preset.tag);
  Tuning1->addSeparator()->setObjectName("N8");
  Usertuning1 = addTuning("Usertuning1", kDefaultUserTuningCaption, kUserTuningHint, kDefaultUserTuningTag);
}

void TfrmMain::ApplyUserTuningSettings() {
  Usertuning1->setText(QString::fromStdString(settings.MenuTuningName));
  Usertuning1->setData(settings.MenuTuningTag);
}

// A tag that cannot be read digit by digit (fewer than six characters, or
// negative) is taken as standard tuning, so applying a tuning never stops
// half-way.
void TfrmMain::ApplyTuning(std::int32_t tag) {
  tag = NormalizeTuningTag(tag);
  TuningOffsets = strumbly::TuningOffsets(tag);
  QAction* item = Tuning1->actions().value(TuningMenuIndex(tag));
  item->setChecked(true);
  SetStatusPanel(1, QString::fromStdString(TuningStatusText(item->text().toStdString())));
  CurrentTuningTag = tag;
}

void TfrmMain::BuildCustomTuningCaption(std::int32_t tag) {
  Usertuning1->setText(QString::fromStdString(strumbly::BuildCustomTuningCaption(tag)));
}

void TfrmMain::TuningMenuClicked(QAction* item) {
  ApplyTuning(item->data().toInt());
  Modified = true;
}

}  // namespace strumbly
