#pragma once
// A point of a series: the draw at index with its texts, value and band.

#include "core/trends/trends.h"

namespace drawlyze::trends {

inline TrendPoint PointAt(const DrawHistory& history, int index, double value, double low, double high) {
  return {index, history.NumberText(index), history.DateText(index), history.TimeText(index), value, low, high};
}

}  // namespace drawlyze::trends
