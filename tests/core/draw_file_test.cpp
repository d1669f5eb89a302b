// Loading a whole draw file: order, incorrect lines, the store's limit.
#include <gtest/gtest.h>

#include "core/history/draw_history.h"
#include "core/history/repeat_marks.h"

namespace drawlyze {
namespace {

TEST(ParseDrawFile, LastValidLineBecomesIndexZero) {
  const LoadResult r = ParseDrawFile(
      "1 01.01.2011 Sat Day 4 9 1 x\r\n"
      "2 01.01.2011 Sat Eve 9 1 5 x\r\n"
      "3 02.01.2011 Sun Day 0 2 0 x\r\n");
  ASSERT_EQ(r.draws.size(), 3u);
  EXPECT_TRUE(r.Messages().empty());
  DrawHistory h;
  h.Assign(r.draws);
  EXPECT_EQ(h.Count(), 3);
  EXPECT_EQ(h.NumberText(0), "3");
  EXPECT_EQ(h.GetDraw(0), (DrawNumbers{0, 2, 0}));
  EXPECT_EQ(h.GetDraw(2), (DrawNumbers{4, 9, 1}));
  EXPECT_EQ(h.DateText(2), "01.01.2011");
}

TEST(ParseDrawFile, IncorrectLinesListedHighestFirstWithTrailingBlank) {
  std::string text;
  for (int i = 1; i <= 12; ++i)
    text += (i == 3 || i == 12) ? "garbage\n" : std::to_string(i) + " 01.01.2011 a b 1 2 3 x\n";
  const LoadResult r = ParseDrawFile(text);
  EXPECT_EQ(r.draws.size(), 10u);
  ASSERT_EQ(r.Messages().size(), 1u);
  EXPECT_EQ(r.Messages()[0], "Error - incorrect lines: 12 3 ");
}

// Past 100 incorrect lines the message lists the 100 highest and counts the
// rest, so a file of garbage never builds a message as long as itself.
TEST(ParseDrawFile, IncorrectLinesPastAHundredAreCounted) {
  struct Case {
    int bad;  // incorrect lines after one valid line
    std::string tail;
  };
  const Case cases[] = {
      {100, "2 "}, {101, "3 \xE2\x80\xA6 and 1 more"}, {1000000, "999902 \xE2\x80\xA6 and 999900 more"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bad);
    const LoadResult r =
        ParseDrawFile("1 01.01.2011 a b 1 2 3 x\n" + std::string(static_cast<std::size_t>(c.bad), '\n'));
    EXPECT_EQ(r.draws.size(), 1u);
    EXPECT_EQ(r.incorrectLineCount, c.bad);
    EXPECT_EQ(r.incorrectLines.size(), static_cast<std::size_t>(std::min(c.bad, kListedIncorrectLines)));
    const std::string message = r.Messages().at(0);
    std::string head = "Error - incorrect lines: ";
    for (int k = 0; k < 3; ++k) head += std::to_string(c.bad + 1 - k) + ' ';
    EXPECT_EQ(message.substr(0, head.size()), head);
    EXPECT_EQ(message.substr(message.size() - c.tail.size()), c.tail);
    EXPECT_LT(message.size(), 1000u);
  }
}

TEST(ParseDrawFile, RejectsNumbersPastNineAndEmptyLines) {
  const LoadResult r = ParseDrawFile(
      "1 01.01.2011 a b 4 12 1 x\n"
      "\n"
      "3 01.01.2011 a b 4 07 1 x\n"
      "4 01.01.2011 a b 4 7 99999999999 x\n");
  ASSERT_EQ(r.draws.size(), 1u);
  EXPECT_EQ(r.draws[0].a, (DrawNumbers{4, 7, 1}));
  EXPECT_EQ(r.Messages()[0], "Error - incorrect lines: 4 2 1 ");
}

TEST(ParseDrawFile, KeepsTheNewestDrawsWhenTheStoreIsFull) {
  std::string text;
  const int lines = MAX_DRAWS + 27;
  for (int i = 1; i <= lines; ++i) text += std::to_string(i) + " 01.01.2011 a b " + std::to_string(i % 10) + " 0 0 x\n";
  const LoadResult r = ParseDrawFile(text);
  EXPECT_EQ(r.draws.size(), static_cast<std::size_t>(MAX_DRAWS));
  EXPECT_EQ(r.draws.front().number, std::to_string(lines));
  EXPECT_EQ(r.draws.back().number, "28");
  EXPECT_EQ(r.Messages().at(0), "27 older lines were not loaded (at most 10000 draws)");
}

TEST(DrawHistory, ShrinksOnReloadAndEmptyFileLoadsNothing) {
  DrawHistory h = DrawHistory::FromOldestFirst({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  EXPECT_EQ(h.Count(), 3);
  h.Assign(ParseDrawFile("9 01.01.2011 a b 5 5 1 x").draws);
  EXPECT_EQ(h.Count(), 1);
  EXPECT_EQ(h.GetDraw(0), (DrawNumbers{5, 5, 1}));
  h.Assign(ParseDrawFile("").draws);
  EXPECT_EQ(h.Count(), 0);
}

TEST(RepeatMarks, CountsDoublesTwiceAndStopsAtTheTwelfthMatch) {
  // Newest first: selected 5 5 1 (row 1), then 5 2 0: the 5 matches twice.
  const DrawHistory h = DrawHistory::FromOldestFirst({{5, 2, 0}, {5, 5, 1}});
  const auto marks = RepeatMarks(h, 1, h.GetDraw(0));
  EXPECT_EQ(marks, (std::vector<MarkedCell>{{1, 0}, {1, 0}}));

  // Every older draw 1 1 1 against the selected 1 1 1 gives nine matches per draw; in the
  // draw where the twelfth falls, the two later selected numbers still mark their first match.
  std::vector<DrawNumbers> ones(5, DrawNumbers{1, 1, 1});
  const DrawHistory all = DrawHistory::FromOldestFirst(ones);
  const auto cells = RepeatMarks(all, 1, all.GetDraw(0));
  ASSERT_EQ(cells.size(), 14u);
  EXPECT_EQ(cells.back().index, 2);
  EXPECT_TRUE(RepeatMarks(all, 5, all.GetDraw(4)).empty());  // the oldest draw has nothing below it
}

}  // namespace
}  // namespace drawlyze

namespace drawlyze {
namespace {

// Each refused line is kept with its number, its start as a message shows it
// and the first rule it breaks; the details list them in file order.
TEST(ParseDrawFile, SaysWhyEachLineIsIncorrect) {
  const struct {
    std::string line;
    LineProblem reason;
    std::string text;
  } cases[] = {
      {" \t ", LineProblem::Empty, " \\x09 "},
      {"1a 01.01.2011 a b 4 9 1 x", LineProblem::BadNumber, "1a 01.01.2011 a b 4 9 1 x"},
      {"1 01-01-2011 a b 4 9 1 x", LineProblem::BadDate, "1 01-01-2011 a b 4 9 1 x"},
      {"1 01.01.2011 a b 4 9 1", LineProblem::TooShort, "1 01.01.2011 a b 4 9 1"},
      {"1234", LineProblem::TooShort, "1234"},
      {"1 01.01.2011 a b 4 9 one x", LineProblem::BadNumbers, "1 01.01.2011 a b 4 9 one x"},
      {"1 01.01.2011 a b 4 12 1 x", LineProblem::NotDigitValues, "1 01.01.2011 a b 4 12 1 x"},
      // Control bytes escaped, and a long line cut after 40 characters.
      {"1 01.01.2011 a b 4 9 \x1b[2J 1 x", LineProblem::BadNumbers, "1 01.01.2011 a b 4 9 \\x1B[2J 1 x"},
      {"1 01.01.2011 a b 4 9 1" + std::string(60, '.'), LineProblem::TooShort,
       "1 01.01.2011 a b 4 9 1" + std::string(18, '.') + "\xE2\x80\xA6"},
  };
  std::string text = "1 01.01.2011 a b 4 9 1 x\n";
  std::string details;
  long long number = 1;
  for (const auto& c : cases) {
    text += c.line + "\n";
    ++number;
    details += (details.empty() ? "" : "\n") + std::string("line ") + std::to_string(number) + ": " +
               std::string(LineProblemText(c.reason)) + ": \"" + c.text + "\"";
  }
  const LoadResult r = ParseDrawFile(text);
  ASSERT_EQ(r.incorrectLines.size(), std::size(cases));
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    const IncorrectLine& got = r.incorrectLines[std::size(cases) - 1 - k];  // highest first
    SCOPED_TRACE(cases[k].line);
    EXPECT_EQ(got.number, static_cast<long long>(k) + 2);
    EXPECT_EQ(got.reason, cases[k].reason);
    EXPECT_EQ(got.text, cases[k].text);
  }
  EXPECT_EQ(r.IncorrectLinesMessage(), "Error - incorrect lines: 10 9 8 7 6 5 4 3 2 ");
  EXPECT_EQ(r.IncorrectLinesDetails(), details);
  EXPECT_EQ(LineProblemText(LineProblem::BadDate), "the date (the second word) is not digits and points only");
}

}  // namespace
}  // namespace drawlyze
