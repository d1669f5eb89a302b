#pragma once
// The guide grid's lists, as the main window offers them and drawlyze-cli
// accepts them: steps 1 to 20, biases 0 to 19.

namespace drawlyze {

inline constexpr int kGridStepMin = 1;
inline constexpr int kGridStepMax = 20;
inline constexpr int kGridBiasMin = 0;
inline constexpr int kGridBiasMax = 19;

}  // namespace drawlyze
