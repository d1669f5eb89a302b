#include "core/table/table_text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace drawlyze {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2)
    lines.push_back(text.substr(begin, end - begin));
  EXPECT_EQ(begin, text.size()) << "every line, the last included, ends with CR LF";
  return lines;
}

std::size_t Fields(const std::string& line) { return std::count(line.begin(), line.end(), '\t') + 1; }

TEST(CopyAllText, OneDrawGivesTwoLinesOfFifteenFields) {
  const DrawHistory history = DrawHistory::FromOldestFirst({{9, 0, 5}});
  const std::vector<std::string> lines = Lines(CopyAllText(BuildTableRows(history, "No", "Date")));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(Fields(lines[0]), 15u);
  EXPECT_EQ(Fields(lines[1]), 15u);
  // The header's empty field follows the date header; a data row's follows "Even > Odd".
  EXPECT_EQ(lines[0],
            "No \tDate \t \tFirst \tLast \tSum \tMin \tMax \tEven > Odd \tEven < Odd \tFirst Even \tLast Even \t"
            "Sum Even \tMin Even \tMax Even");
  EXPECT_EQ(lines[1], "1 \t01.01.2020 \t9 \t5 \t14 \t0 \t9 \t0 \t \t1 \t0 \t0 \t1 \t1 \t0");
}

TEST(CopyAllText, NoDrawsGivesTheHeaderLineAlone) {
  const std::vector<std::string> lines = Lines(CopyAllText(BuildTableRows(DrawHistory(), "No", "Date")));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(Fields(lines[0]), 15u);
}

TEST(CopyAllText, CellsAreTrimmedOfBlanksAndControls) {
  std::vector<TableRow> rows(1);
  rows[0][0] = " \t 12\x01 ";
  rows[0][13] = "  x";
  EXPECT_EQ(CopyAllText(rows).substr(0, 5), "12 \t ");
  EXPECT_EQ(CopyAllText(rows).substr(CopyAllText(rows).size() - 3), "x\r\n");
}

TEST(ColumnCopyText, HeaderThenEveryDrawNewestFirst) {
  const DrawHistory history = DrawHistory::FromOldestFirst({{2, 4, 6}, {9, 0, 5}, {0, 0, 0}});
  const std::vector<TableRow> rows = BuildTableRows(history, "No", "Date");
  EXPECT_EQ(ColumnCopyText(rows, 4), "Sum\r\n0\r\n14\r\n12\r\n");
  EXPECT_EQ(ColumnCopyText(rows, 0), "No\r\n3\r\n2\r\n1\r\n");
  EXPECT_EQ(ColumnCopyText(BuildTableRows(DrawHistory(), "No", "Date"), 8), "Even < Odd\r\n");
}

}  // namespace
}  // namespace drawlyze
