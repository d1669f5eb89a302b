// The main window's table of draws as a model over the history: its cells are
// read from the draws (the sum from the Table window's columns), nothing is
// copied, and a load only resets it.
#include "gui/draw_grid.h"

#include <gtest/gtest.h>

#include "core/table/draw_columns.h"
#include "qt_app.h"

namespace drawlyze::gui {
namespace {

Draw MakeDraw(const char* number, const char* date, std::uint8_t a1, std::uint8_t a2, std::uint8_t a3) {
  Draw d;
  d.number = number;
  d.date = date;
  d.a = {a1, a2, a3};
  return d;
}

TEST(DrawGrid, CellsComeFromTheHistoryAndFollowALoad) {
  testing::App();
  DrawHistory history;
  history.Assign({MakeDraw("3", "03.01.2020", 9, 8, 7), MakeDraw("2", "02.01.2020", 0, 0, 1),
                  MakeDraw("1", "01.01.2020", 5, 5, 5)});
  DrawGrid grid(history);
  const DrawTableModel& model = *grid.Model();
  EXPECT_EQ(model.columnCount(), 7);
  EXPECT_EQ(grid.rowCount(), 3);
  const struct {
    int row, column;
    const char* text;
  } cells[] = {
      {0, 0, "3"}, {0, 1, "03.01.2020"}, {0, 2, "9"},  {0, 3, "8"}, {0, 4, "7"}, {0, 5, ""},  {0, 6, "24"},
      {1, 6, "1"}, {2, 0, "1"},          {2, 6, "15"}, {3, 0, ""},  {0, 7, ""},  {-1, 0, ""},
  };
  for (const auto& c : cells) {
    SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.column));
    EXPECT_EQ(grid.item(c.row, c.column)->text(), c.text);
    if (c.row >= 0 && c.row < 3 && c.column < 7) {
      EXPECT_EQ(model.index(c.row, c.column).data().toString(), c.text);
    }
  }
  // The sum column is the Table window's Sum, row for row.
  const std::vector<int> sums = DerivedColumnValues(history, kSumColumn);
  for (int r = 0; r < 3; ++r) EXPECT_EQ(grid.item(r, 6)->text(), QString::number(sums[static_cast<std::size_t>(r)]));
  EXPECT_EQ(grid.horizontalHeaderItem(0)->text(), QString::fromUtf8("\u2116"));
  EXPECT_EQ(grid.horizontalHeaderItem(6)->text(), " S");
  EXPECT_FALSE(model.index(0, 0).data(Qt::EditRole).isValid());

  // A load replaces the draws the model reads; a reset tells the view.
  int resets = 0;
  QObject::connect(grid.Model(), &QAbstractItemModel::modelReset, [&] { ++resets; });
  history.Assign({MakeDraw("7", "07.01.2020", 1, 2, 3)});
  grid.Model()->HistoryReplaced();
  EXPECT_EQ(resets, 1);
  EXPECT_EQ(grid.rowCount(), 1);
  EXPECT_EQ(grid.item(0, 0)->text(), "7");
  EXPECT_EQ(grid.item(0, 6)->text(), "6");
  grid.setCurrentCell(0, 2);
  EXPECT_EQ(grid.currentRow(), 0);
  EXPECT_EQ(grid.currentColumn(), 2);

  // No draws: one empty row below the header.
  history.Assign({});
  grid.Model()->HistoryReplaced();
  EXPECT_EQ(grid.rowCount(), 1);
  EXPECT_EQ(grid.item(0, 0)->text(), "");
}

}  // namespace
}  // namespace drawlyze::gui
