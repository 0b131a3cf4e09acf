#include "ui/sound/instrument_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "core/app/settings.h"
#include "ui/qt_text.h"
#include "ui/radio_menu_item.h"

namespace strumbly {

namespace {

struct InstrumentItem {
  const char* name;
  int tag;  // the program, counted from 1
  const char* caption;
};

constexpr InstrumentItem kGuitarItems[] = {
    {"AcousticNylonStringGuitar1", 25, "&Acoustic Nylon String Guitar"},
    {"AcousticSteelStringGuitar1", 26, "Acoustic &Steel String Guitar"},
    {"JazzElectric1", 27, "&Jazz Electric Guitar"},
    {"CleanElectric1", 28, "&Clean Electric Guitar"},
    {"MutedElectric1", 29, "&Muted Electric Guitar"},
    {"OverdrivenElectric1", 30, "&Overdriven Electric Guitar"},
    {"DistortionElectric1", 31, "&Distortion Electric Guitar"},
    {"GuitarHarmonics1", 32, "&Guitar Harmonics"},
};

}  // namespace

InstrumentMenu::InstrumentMenu(QMenu* menu) : QObject(menu), group_(new QActionGroup(this)) {
  group_->setExclusive(true);
  auto add = [this, menu](const char* name, const QString& caption, const QString& hint, int tag) {
    QAction* a = AddRadioItem(menu, group_, name, caption, hint, tag);
    connect(a, &QAction::triggered, this, [this, a] { emit chosen(a); });
    return a;
  };
  for (const auto& item : kGuitarItems) add(item.name, item.caption, "Guitar sound.", item.tag);
  menu->addSeparator()->setObjectName("N3");
  const Settings defaults;
  user_ = add("MIDIPatch1", Q(defaults.MenuPatchName), "User selected sound. Set using File/Settings.",
              defaults.MenuPatchTag);
}

void InstrumentMenu::SetUserItem(const QString& caption, int tag) {
  user_->setText(caption);
  user_->setData(tag);
}

std::uint8_t InstrumentMenu::ProgramOf(const QAction* item) {
  return static_cast<std::uint8_t>(static_cast<std::uint8_t>(item->data().toInt()) - 1);
}

void InstrumentMenu::Check(int program) {
  for (QAction* a : group_->actions()) {
    if (ProgramOf(a) == static_cast<std::uint8_t>(program)) {
      a->setChecked(true);
      return;
    }
  }
  if (QAction* checked = group_->checkedAction()) checked->setChecked(false);
}

bool InstrumentMenu::IsGuitarProgram(int program) const {
  for (const auto& item : kGuitarItems)
    if (item.tag - 1 == program) return true;
  return false;
}

}  // namespace strumbly
