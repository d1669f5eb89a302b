#pragma once
// "Use Last Draws": a drop-down list of the counts 1..N that also takes a
// typed count, since scrolling thousands of items is no way to pick 500.

class QComboBox;

namespace drawlyze::gui {

// Makes the list editable for whole numbers in its range; a typed count
// selects its item on Enter or when the focus leaves, anything else is undone.
void AcceptTypedCount(QComboBox* combo);
// The items "1" .. count, the last one (all draws) selected; typed counts are
// limited to them. Emits no change signal.
void FillCounts(QComboBox* combo, int count);
// The count shown; 0 when the list is empty.
int SelectedCount(const QComboBox* combo);

}  // namespace drawlyze::gui
