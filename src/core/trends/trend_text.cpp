// Names of the kinds, the captions' numbers, and the series as CSV and text.
#include "core/trends/trend_text.h"

#include <cstdio>

#include "core/trends/trends.h"

namespace drawlyze::trends {
namespace {

struct KindName {
  TrendKind kind;
  const char* name;
};
constexpr KindName kKinds[] = {{TrendKind::Skip, "skip"},       {TrendKind::Frequency, "frequency"},
                               {TrendKind::Sum, "sum"},         {TrendKind::Spread, "spread"},
                               {TrendKind::RootSum, "rootsum"}, {TrendKind::Pairs, "pairs"}};

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// RFC 4180: a field with a comma, a quote or a line break in quotes.
std::string CsvField(const std::string& s) {
  if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
  std::string out = "\"";
  for (const char c : s) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

std::string Value(double v, bool integral) { return integral ? std::to_string(static_cast<long long>(v)) : Fixed2(v); }

}  // namespace

std::string Fixed2(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

std::string Short(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

std::string WhereText(int position) {
  return position >= 1 && position <= DRAW_SIZE ? "at A" + std::to_string(position) : "anywhere in the draw";
}

bool ParseTrendKind(const std::string& word, TrendKind& kind) {
  const std::string w = Lower(word);
  for (const KindName& k : kKinds)
    if (w == k.name) {
      kind = k.kind;
      return true;
    }
  return false;
}

const char* TrendKindName(TrendKind kind) {
  for (const KindName& k : kKinds)
    if (k.kind == kind) return k.name;
  return "";
}

bool ParsePairKind(const std::string& word, PairKind& kind) {
  const std::string w = Lower(word);
  if (w == "front" || w == "12")
    kind = PairKind::Front;
  else if (w == "back" || w == "23")
    kind = PairKind::Back;
  else if (w == "split" || w == "13")
    kind = PairKind::Split;
  else if (w == "any")
    kind = PairKind::Any;
  else
    return false;
  return true;
}

const char* PairKindName(PairKind kind) {
  switch (kind) {
    case PairKind::Front:
      return "front";
    case PairKind::Back:
      return "back";
    case PairKind::Split:
      return "split";
    case PairKind::Any:
      break;
  }
  return "any";
}

std::string TrendCsv(const TrendSeries& series) {
  std::string out = "number,date,time,value,low,high\r\n";
  for (const TrendPoint& p : series.points)
    out += CsvField(p.number) + ',' + CsvField(p.date) + ',' + CsvField(p.time) + ',' +
           Value(p.value, series.integral) + ',' + Value(p.low, series.integral) + ',' +
           Value(p.high, series.integral) + "\r\n";
  return out;
}

std::vector<std::string> TrendText(const TrendSeries& series) {
  std::vector<std::string> lines = {series.title, series.legend, "", "Number\tDate\tTime\tValue\tLow\tHigh"};
  for (const TrendPoint& p : series.points)
    lines.push_back(p.number + '\t' + p.date + '\t' + p.time + '\t' + Value(p.value, series.integral) + '\t' +
                    Value(p.low, series.integral) + '\t' + Value(p.high, series.integral));
  return lines;
}

std::string PointTip(const TrendSeries& series, const TrendPoint& p) {
  std::string when = p.date;
  if (!p.time.empty() && p.time != "-") when += ' ' + p.time;
  return "Draw " + p.number + ", " + when + ": " + series.valueName + ' ' + Value(p.value, series.integral) +
         " (band " + Value(p.low, series.integral) + ".." + Value(p.high, series.integral) + ")";
}

std::string PairTableCsv(const PairTable& table) {
  std::string out = "first,second,count,expected,z\r\n";
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y) {
      const PairCell& c = table.cells[x][y];
      out += std::to_string(x) + ',' + std::to_string(y) + ',' + std::to_string(c.count) + ',' + Fixed2(c.expected) +
             ',' + Fixed2(c.z) + "\r\n";
    }
  return out;
}

std::vector<std::string> PairTableText(const PairTable& table) {
  std::vector<std::string> lines = {table.title, table.legend, "", "Count\t0\t1\t2\t3\t4\t5\t6\t7\t8\t9"};
  for (int x = 0; x < 10; ++x) {
    std::string line = std::to_string(x);
    for (int y = 0; y < 10; ++y) line += '\t' + std::to_string(table.cells[x][y].count);
    lines.push_back(line);
  }
  lines.push_back("");
  lines.push_back("z\t0\t1\t2\t3\t4\t5\t6\t7\t8\t9");
  for (int x = 0; x < 10; ++x) {
    std::string line = std::to_string(x);
    for (int y = 0; y < 10; ++y) line += '\t' + Fixed2(table.cells[x][y].z);
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> SumCountsText(const SumCounts& c) {
  std::vector<std::string> lines = {"Sums of the digits in " + std::to_string(c.draws) + " draws", "",
                                    "Sum\tCount\tExpected\tLow\tHigh"};
  for (std::size_t s = 0; s < c.counts.size(); ++s)
    lines.push_back(std::to_string(s) + '\t' + std::to_string(c.counts[s]) + '\t' + Fixed2(c.expected[s]) + '\t' +
                    std::to_string(c.low[s]) + '\t' + std::to_string(c.high[s]));
  return lines;
}

}  // namespace drawlyze::trends
