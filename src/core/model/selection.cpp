#include "core/model/selection.h"

namespace drawlyze {

void SeparationChoice::ClickArrow() {
  if (layout != SeparationLayout::Positional)
    direction = direction == SeparationLayout::Ascending ? SeparationLayout::Descending : SeparationLayout::Ascending;
  layout = direction;
}

SeparationChoice SeparationChoice::Of(SeparationLayout layout) {
  SeparationChoice choice;
  choice.layout = layout;
  if (layout != SeparationLayout::Positional) choice.direction = layout;
  return choice;
}

const char* SeparationChoice::CenterCaption() const { return layout == SeparationLayout::Positional ? "X" : "<-->"; }

const char* SeparationChoice::ArrowCaption() const {
  return direction == SeparationLayout::Descending ? "--->" : "<---";
}

}  // namespace drawlyze
