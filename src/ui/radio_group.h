#pragma once
// A titled group of radio buttons addressed by item index.
#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace strumbly {

class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(const QString& title, const QStringList& items, QWidget* parent = nullptr);
  int itemIndex() const { return group_->checkedId(); }
  void setItemIndex(int index);
  QAbstractButton* item(int index) const { return group_->button(index); }

 signals:
  void clicked(int index);

 private:
  QButtonGroup* group_;
};

}  // namespace strumbly
