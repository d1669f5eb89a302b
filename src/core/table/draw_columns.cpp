#include "core/table/draw_columns.h"

namespace drawlyze {

namespace {
int EvenFlag(int value) { return value % 2 == 0 ? 1 : 0; }
}  // namespace

DerivedValues DeriveColumns(const DrawNumbers& draw) {
  DrawNumbers sorted = draw;
  SortNumbersAscending(sorted.data(), DRAW_SIZE);
  const int first = draw[0];
  const int last = draw[2];
  const int sum = draw[0] + draw[1] + draw[2];
  const int min = sorted.front();
  const int max = sorted.back();
  int even = 0;
  for (const std::uint8_t n : draw) even += EvenFlag(n);
  const int odd = DRAW_SIZE - even;
  return {first,
          last,
          sum,
          min,
          max,
          even > odd ? 1 : 0,
          even < odd ? 1 : 0,
          EvenFlag(first),
          EvenFlag(last),
          EvenFlag(sum),
          EvenFlag(min),
          EvenFlag(max)};
}

std::vector<int> DerivedColumnValues(const DrawHistory& history, int column) {
  std::vector<int> values;
  values.reserve(static_cast<std::size_t>(history.Count()));
  const auto slot = static_cast<std::size_t>(column - kFirstDerivedColumn);
  for (int index = 0; index < history.Count(); ++index) values.push_back(DeriveColumns(history.GetDraw(index))[slot]);
  return values;
}

const std::array<std::string_view, kDerivedColumnCount>& DerivedHeaders() {
  static constexpr std::array<std::string_view, kDerivedColumnCount> headers = {
      "First",      "Last",       "Sum",       "Min",      "Max",      "Even > Odd",
      "Even < Odd", "First Even", "Last Even", "Sum Even", "Min Even", "Max Even"};
  return headers;
}

}  // namespace drawlyze
