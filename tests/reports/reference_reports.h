#pragma once
// The reports computed the straightforward way: every combination scans the
// window on its own, once per measure, and the tables are bubble sorted. The
// one-pass reports must give the very same lines.

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "core/history/draw_history.h"

namespace drawlyze::reference {

using Lines = std::vector<std::string>;
using HitTest = std::function<bool(const DrawNumbers&)>;

struct Window {
  int count, s, n;
  int e() const { return s + n; }
};

inline Window MakeWindow(const DrawHistory& h, int row, int lastDrawsIndex) {
  Window w{h.Count(), row - 1, lastDrawsIndex + 1};
  if (w.n > w.count) w.n = w.count;
  if (w.s + w.n > w.count) w.n = w.count - w.s;
  if (w.n < 0) w.n = 0;
  return w;
}

inline void Header(Lines& out, const Window& w) {
  out.push_back("Statistics from " + std::to_string(w.count - w.s) + " to " + std::to_string(w.count - w.e() + 1) +
                " draws");
  out.push_back("");
}

inline bool HasPair(const DrawNumbers& d, int x, int y) {
  int p = -1;
  for (int i = 0; i < 3; ++i)
    if (p < 0 && d[i] == x) p = i;
  if (p < 0) return false;
  for (int i = 0; i < 3; ++i)
    if (i != p && d[i] == y) return true;
  return false;
}

inline int Common(const std::uint8_t* a, const std::uint8_t* b) {
  bool used[3] = {};
  int n = 0;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      if (!used[j] && b[j] == a[i]) {
        used[j] = true;
        ++n;
        break;
      }
  return n;
}

struct Row {
  std::string label;
  int frequency, skip, maxSkip;
};

inline Row Measure(const DrawHistory& h, const Window& w, std::string label, const HitTest& hit,
                   const std::function<int(const DrawNumbers&)>& weight = nullptr) {
  Row r{std::move(label), 0, 0, 0};
  for (int i = w.s; i < w.e(); ++i)
    if (hit(h.GetDraw(i))) r.frequency += weight ? weight(h.GetDraw(i)) : 1;
  for (int i = w.s; i < w.e(); ++i)
    if (hit(h.GetDraw(i))) {
      r.skip = i - w.s;
      break;
    }
  int older = -1;
  for (int i = w.e() - 1; i >= w.s; --i) {
    if (!hit(h.GetDraw(i))) continue;
    if (older >= 0) r.maxSkip = std::max(r.maxSkip, older - i - 1);
    older = i;
  }
  return r;
}

inline void BubbleDescending(std::vector<Row>& rows, bool bySkip) {
  bool swapped = true;
  while (swapped) {
    swapped = false;
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
      const int a = bySkip ? rows[i].skip : rows[i].frequency, b = bySkip ? rows[i + 1].skip : rows[i + 1].frequency;
      if (a < b) {
        std::swap(rows[i], rows[i + 1]);
        swapped = true;
      }
    }
  }
}

inline void Table(Lines& out, std::vector<Row> rows, bool bySkip, const std::string& header, bool needGap = false) {
  BubbleDescending(rows, bySkip);
  out.push_back(header);
  for (const Row& r : rows) {
    const int first = bySkip ? r.skip : r.frequency, second = bySkip ? r.frequency : r.skip;
    std::string line =
        r.label + "\t\t" + std::to_string(first) + "\t\t" + std::to_string(second) + "\t\t" + std::to_string(r.maxSkip);
    if (r.skip >= r.maxSkip && r.skip > 0 && (!needGap || r.maxSkip > 0)) line += "\t#";
    out.push_back(line);
  }
}

inline void SkipBlock(Lines& out, const DrawHistory& h, const Window& w, const HitTest& hit) {
  bool seen = false;
  int r = 0, hits = 0;
  long long total = 0;
  std::vector<int> values;
  std::string gaps;
  for (int i = w.e() - 1; i >= w.s; --i) {
    if (hit(h.GetDraw(i))) {
      ++hits;
      if (seen) {
        gaps += std::to_string(r - 1) + " ";
        total += r - 1;
        values.push_back(r - 1);
      }
      seen = true;
      r = 0;
    }
    if (seen && i > w.s) ++r;
  }
  gaps += std::to_string(r);
  total += r;
  values.push_back(r);
  if (hits == 0) values.clear();
  out.push_back(gaps);
  out.push_back("Sorted:");
  std::sort(values.begin(), values.end());
  std::string sorted;
  for (std::size_t i = 0; i < values.size(); ++i) sorted += (i ? " " : "") + std::to_string(values[i]);
  out.push_back(sorted);
  if (hits > 0) {
    const int median = hits % 2 ? values[hits / 2] : values[hits / 2 - 1];
    char average[64];
    std::snprintf(average, sizeof average, "%.2f", static_cast<double>(total) / hits);
    out.push_back("Skip Median: " + std::to_string(median) + "        Summary: " + std::to_string(total) +
                  "        Average: " + average);
  }
  out.push_back("");
}

// The combination families, in generation order.
struct Combination {
  std::string label;
  HitTest hit;
  std::function<int(const DrawNumbers&)> weight;
};

inline std::string Join(std::initializer_list<int> digits) {
  std::string s;
  for (int d : digits) s += (s.empty() ? "" : " ") + std::to_string(d);
  return s;
}

inline std::vector<Combination> ExactPairs(int pass) {
  static const int positions[3][2] = {{0, 1}, {0, 2}, {1, 2}};
  std::vector<Combination> out;
  for (int x = 0; x <= 9; ++x)
    for (int y = 0; y <= 9; ++y) {
      const std::string a = std::to_string(x), b = std::to_string(y);
      const std::string label = pass == 0 ? a + " " + b + " X" : pass == 1 ? a + " X " + b : "X " + a + " " + b;
      const int p = positions[pass][0], q = positions[pass][1];
      out.push_back({label, [=](const DrawNumbers& d) { return d[p] == x && d[q] == y; }, nullptr});
    }
  return out;
}

inline std::vector<Combination> FreePairs() {
  std::vector<Combination> out;
  for (int j = 0; j <= 9; ++j)
    for (int k = j; k <= 9; ++k)
      out.push_back({Join({j, k}), [=](const DrawNumbers& d) { return HasPair(d, j, k); },
                     [=](const DrawNumbers& d) {
                       if (d[0] == d[1] && d[1] == d[2]) return 3;
                       const bool twoEqual = d[0] == d[1] || d[0] == d[2] || d[1] == d[2];
                       return twoEqual && j != k ? 2 : 1;
                     }});
  return out;
}

inline std::vector<Combination> ExactTriples() {
  std::vector<Combination> out;
  for (int u = 0; u <= 9; ++u)
    for (int v = 0; v <= 9; ++v)
      for (int x = 0; x <= 9; ++x)
        out.push_back(
            {Join({u, v, x}), [=](const DrawNumbers& d) { return d[0] == u && d[1] == v && d[2] == x; }, nullptr});
  return out;
}

inline std::vector<Combination> FreeTriples() {
  std::vector<Combination> out;
  for (int j = 0; j <= 7; ++j)
    for (int l = j + 1; l <= 8; ++l)
      for (int k = l + 1; k <= 9; ++k)
        out.push_back({Join({j, l, k}),
                       [=](const DrawNumbers& d) {
                         return ContainsNumber(j, d) && ContainsNumber(l, d) && ContainsNumber(k, d) && d[0] != d[1] &&
                                d[0] != d[2] && d[1] != d[2];
                       },
                       nullptr});
  return out;
}

inline std::vector<Combination> FreeDoubles() {
  std::vector<Combination> out;
  for (int x = 0; x <= 9; ++x)
    for (int y = 0; y <= 9; ++y)
      if (y != x)
        out.push_back(
            {Join({x, x, y}), [=](const DrawNumbers& d) { return HasPair(d, x, y) && HasPair(d, x, x); }, nullptr});
  return out;
}

inline std::vector<Row> Rows(const DrawHistory& h, const Window& w, const std::vector<Combination>& family) {
  std::vector<Row> rows;
  for (const Combination& c : family) rows.push_back(Measure(h, w, c.label, c.hit, c.weight));
  return rows;
}

const char* const kFreqHeader = "Combination\tFrequency\tskip\t\tMax skip";
const char* const kSkipHeader = "Combination\tskip\t\tFrequency\tMax skip";
const std::string kSeparator = [] {
  std::string s;
  for (int i = 0; i < 40; ++i) s += "* ";
  return s;
}();

inline void BothTables(Lines& out, const std::vector<Row>& rows, const char* skipHeader = kSkipHeader) {
  Table(out, rows, false, kFreqHeader);
  out.push_back("");
  out.push_back("");
  Table(out, rows, true, skipHeader);
}

inline Lines TriplesNotDrawnYet(const DrawHistory& h, int row, int last) {
  const Window w = MakeWindow(h, row, last);
  Lines out;
  Header(out, w);
  std::string line;
  int k = 0;
  for (int u = 0; u <= 9; ++u)
    for (int v = 0; v <= 9; ++v)
      for (int x = 0; x <= 9; ++x) {
        bool drawn = false;
        for (int i = w.s; i < w.e() && !drawn; ++i) {
          const DrawNumbers d = h.GetDraw(i);
          drawn = d[0] == u && d[1] == v && d[2] == x;
        }
        if (!drawn) {
          line += std::to_string(u) + std::to_string(v) + std::to_string(x) + "   ";
          ++k;
        }
        if (k > 9) {
          out.push_back(line);
          line.clear();
          k = 0;
        }
      }
  out.push_back(line);
  return out;
}

inline Lines ExactPairsReport(const DrawHistory& h, int row, int last) {
  const Window w = MakeWindow(h, row, last);
  Lines out;
  Header(out, w);
  for (int pass = 0; pass < 3; ++pass) {
    Table(out, Rows(h, w, ExactPairs(pass)), false, kFreqHeader, true);
    out.push_back("");
    out.push_back("");
  }
  return out;
}

inline Lines FreePairsReport(const DrawHistory& h, int row, int last) {
  const Window w = MakeWindow(h, row, last);
  Lines out;
  Header(out, w);
  BothTables(out, Rows(h, w, FreePairs()));
  return out;
}

inline void SkipBlocks(Lines& out, const DrawHistory& h, const Window& w, const std::vector<Combination>& family,
                       const std::string& title) {
  for (const Combination& c : family) {
    out.push_back(title + " " + c.label + ":");
    SkipBlock(out, h, w, c.hit);
  }
}

inline Lines ExactPairsSkips(const DrawHistory& h, int row, int last) {
  const Window w = MakeWindow(h, row, last);
  Lines out;
  Header(out, w);
  for (int pass = 0; pass < 3; ++pass) {
    SkipBlocks(out, h, w, ExactPairs(pass), "Pair");
    out.push_back("");
    out.push_back("Count: 100");
    if (pass < 2) out.insert(out.end(), {"", "", kSeparator, "", ""});
  }
  return out;
}

inline Lines FreePairsSkips(const DrawHistory& h, int row, int last) {
  const Window w = MakeWindow(h, row, last);
  Lines out{"Skips for Free Pairs from " + std::to_string(w.count - w.s) + " to " +
                std::to_string(w.count - w.e() + 1) + " draws",
            ""};
  SkipBlocks(out, h, w, FreePairs(), "Pair");
  out.push_back("");
  out.push_back("Pairs: 55");
  return out;
}

inline Lines ExactTriplesReport(const DrawHistory& h, int row, int last) {
  const Window w = MakeWindow(h, row, last);
  Lines out;
  Header(out, w);
  BothTables(out, Rows(h, w, ExactTriples()), "Combination\tskip\t\tFrequency\t\tMax skip");
  return out;
}

inline Lines FreeTriplesReport(const DrawHistory& h, int row, int last) {
  const Window w = MakeWindow(h, row, last);
  Lines out;
  Header(out, w);
  BothTables(out, Rows(h, w, FreeTriples()));
  out.push_back("");
  out.push_back("");
  BothTables(out, Rows(h, w, FreeDoubles()));
  return out;
}

inline Lines ExactTriplesSkips(const DrawHistory& h, int row, int last) {
  const Window w = MakeWindow(h, row, last);
  Lines out;
  Header(out, w);
  SkipBlocks(out, h, w, ExactTriples(), "Triple");
  out.push_back("");
  out.push_back("Triples: 1000");
  return out;
}

inline Lines FreeTriplesSkips(const DrawHistory& h, int row, int last) {
  const Window w = MakeWindow(h, row, last);
  Lines out;
  Header(out, w);
  SkipBlocks(out, h, w, FreeTriples(), "Triple");
  out.insert(out.end(), {"", "Count: 120", "", "", kSeparator, "", ""});
  SkipBlocks(out, h, w, FreeDoubles(), "Triple");
  out.push_back("");
  out.push_back("Count: 90");
  return out;
}

inline Lines CommonFour(const DrawHistory& h, int row, int last) {
  const Window w = MakeWindow(h, row, last);
  Lines out;
  Header(out, w);
  std::vector<Row> rows;  // frequency holds the hits
  for (int j = 0; j <= 6; ++j)
    for (int k = j + 1; k <= 7; ++k)
      for (int l = k + 1; l <= 8; ++l)
        for (int m = l + 1; m <= 9; ++m) {
          const std::uint8_t set[4] = {static_cast<std::uint8_t>(j), static_cast<std::uint8_t>(k),
                                       static_cast<std::uint8_t>(l), static_cast<std::uint8_t>(m)};
          int hits = 0;
          for (int i = w.s; i < w.e(); ++i) {
            const DrawNumbers d = h.GetDraw(i);
            bool used[4] = {};
            int common = 0;
            for (int a = 0; a < 3; ++a)
              for (int b = 0; b < 4; ++b)
                if (!used[b] && set[b] == d[a]) {
                  used[b] = true;
                  ++common;
                  break;
                }
            if (common == 3) ++hits;
          }
          rows.push_back({Join({j, k, l, m}), hits, 0, 0});
        }
  for (const Row& r : rows) out.push_back(r.label + "\t" + std::to_string(r.frequency));
  out.insert(out.end(), {"", "Count: 210", ""});
  BubbleDescending(rows, false);
  for (const Row& r : rows) out.push_back(r.label + "\t" + std::to_string(r.frequency));
  return out;
}

}  // namespace drawlyze::reference
