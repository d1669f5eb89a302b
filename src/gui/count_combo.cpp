#include "gui/count_combo.h"

#include <QComboBox>
#include <QIntValidator>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringList>

namespace drawlyze::gui {
namespace {

// Enter, or the focus leaving, on a text that is no count of the list ("0",
// nothing) gives back the selected item's text instead of leaving it shown.
class CountValidator : public QIntValidator {
 public:
  explicit CountValidator(QComboBox* combo) : QIntValidator(1, 1, combo), combo_(combo) {}
  void fixup(QString& input) const override { input = combo_->itemText(combo_->currentIndex()); }

 private:
  QComboBox* combo_;
};

}  // namespace

void AcceptTypedCount(QComboBox* combo) {
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setCompleter(nullptr);  // no guessing: "5" stays 5 until Enter
  combo->setValidator(new CountValidator(combo));
  QObject::connect(combo->lineEdit(), &QLineEdit::editingFinished, combo, [combo] {
    bool ok = false;
    const int typed = combo->currentText().toInt(&ok);
    if (ok && typed >= 1 && typed <= combo->count()) combo->setCurrentIndex(typed - 1);
    combo->setEditText(combo->itemText(combo->currentIndex()));  // the item's own text: "0500" shows 500
  });
}

void FillCounts(QComboBox* combo, int count) {
  const QSignalBlocker block(combo);
  combo->clear();
  QStringList items;
  items.reserve(count);
  for (int i = 1; i <= count; ++i) items << QString::number(i);
  combo->addItems(items);
  combo->setCurrentIndex(count - 1);
  if (auto* range = qobject_cast<QIntValidator*>(const_cast<QValidator*>(combo->validator())))
    range->setTop(count < 1 ? 1 : count);
}

int SelectedCount(const QComboBox* combo) {
  return combo->currentIndex() < 0 ? 0 : combo->itemText(combo->currentIndex()).toInt();
}

}  // namespace drawlyze::gui
