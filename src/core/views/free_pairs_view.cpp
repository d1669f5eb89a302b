#include "core/views/views.h"

namespace drawlyze {

// Not built yet: a blank chart and an empty copy text.
Chart FreePairsView(const ViewInput& in) {
  Chart chart;
  chart.placeholder = true;
  FinishView(chart, in.grid);
  return chart;
}

}  // namespace drawlyze
