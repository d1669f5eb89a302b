// The model the windows share: the Separation buttons' states, what a load
// keeps and resets, and the inputs built from it.
#include "core/model/draw_model.h"

#include <gtest/gtest.h>

#include "core/views/views.h"

namespace drawlyze {
namespace {

std::vector<Draw> Parse(const std::string& text) { return ParseDrawFile(text).draws; }

TEST(SeparationChoice, ClicksGiveTheLayoutAndTheCaptions) {
  using L = SeparationLayout;
  struct Step {
    char click;  // 'a' the arrow button, 'x' the "X" button
    L layout;
    const char* center;
    const char* arrow;
  } steps[] = {
      {'x', L::Positional, "X", "<---"},    {'a', L::Ascending, "<-->", "<---"},  // first click: sort, keep the arrow
      {'a', L::Descending, "<-->", "--->"}, {'a', L::Ascending, "<-->", "<---"},  // later clicks reverse
      {'a', L::Descending, "<-->", "--->"}, {'x', L::Positional, "X", "--->"},    // "X" keeps the arrow
      {'a', L::Descending, "<-->", "--->"},
  };
  SeparationChoice choice;
  for (const Step& s : steps) {
    if (s.click == 'a')
      choice.ClickArrow();
    else
      choice.ClickCenter();
    EXPECT_EQ(choice.layout, s.layout);
    EXPECT_STREQ(choice.CenterCaption(), s.center);
    EXPECT_STREQ(choice.ArrowCaption(), s.arrow);
  }
  EXPECT_EQ(SeparationChoice::Of(L::Descending), (SeparationChoice{L::Descending, L::Descending}));
  EXPECT_EQ(SeparationChoice::Of(L::Positional), SeparationChoice{});
}

// A shorter file, then an empty one: nothing of the longer file stays readable,
// so the Sieve view and Find's proposal read 0 0 0 as on a fresh start.
TEST(DrawModel, ReloadLeavesNoOlderDrawReadable) {
  DrawModel model;
  model.selection.option = 10;
  const DrawModel fresh = model;
  const std::string freshSieve = RunView(10, MakeViewInput(fresh)).CopyText();

  model.Load(Parse("1 01.01.2020 a b 1 2 3 x\n2 01.01.2020 a b 4 5 6 x\n"), "two.txt");
  model.selection.row = 2;
  model.selection.lastDraws = 1;
  model.selection.reportLastDraws = 2;
  model.Load(Parse("1 01.01.2020 a b 7 8 9 x\n"), "one.txt");
  EXPECT_EQ(model.selection.row, 1);  // the row past the new table moves to its last row
  EXPECT_EQ(model.selection.lastDraws, std::nullopt);
  EXPECT_EQ(model.selection.reportLastDraws, 2);  // the Statistics window's list keeps its count
  EXPECT_EQ(FindDefaultText(model.history, 1), "7 8 9");

  model.Load({}, "empty.txt");
  EXPECT_EQ(model.history.Count(), 0);
  EXPECT_EQ(model.drawFile, "empty.txt");
  EXPECT_EQ(model.history.GetDraw(0), (DrawNumbers{0, 0, 0}));
  EXPECT_EQ(model.history.GetDraw(1), (DrawNumbers{0, 0, 0}));
  EXPECT_EQ(FindDefaultText(model.history, model.selection.row), "0 0 0");
  EXPECT_EQ(RunView(10, MakeViewInput(model)).CopyText(), freshSieve);
}

TEST(DrawModel, InputsCarryTheSelection) {
  DrawModel model;
  model.Load(Parse("1 01.01.2020 a b 1 2 3 x\n2 01.01.2020 a b 4 5 6 x\n3 01.01.2020 a b 7 8 9 x\n"), "three.txt");
  Selection& s = model.selection;
  s.row = 2;
  s.lastDraws = 1;
  s.reportLastDraws = 2;
  s.grid = GridSettings{true, 5, 1};
  s.median = true;
  s.separation.ClickArrow();
  model.sieve.more[0] = {9, 9, 9};

  const ViewInput view = MakeViewInput(model);
  EXPECT_EQ(view.history, &model.history);
  EXPECT_EQ(view.row, 2);
  EXPECT_EQ(view.lastDraws, 1);
  EXPECT_TRUE(view.grid.on);
  EXPECT_EQ(view.grid.step, 5);
  EXPECT_EQ(view.grid.bias, 1);
  EXPECT_TRUE(view.median);
  EXPECT_EQ(view.separation, SeparationLayout::Ascending);
  EXPECT_EQ(view.sieve, &model.sieve);

  const ReportInput report = MakeReportInput(model, "1 2 3");
  EXPECT_EQ(report.history, &model.history);
  EXPECT_EQ(report.row, 2);
  EXPECT_EQ(report.lastDraws, 2);
  EXPECT_EQ(report.findText, "1 2 3");
}

}  // namespace
}  // namespace drawlyze
