#pragma once
// The main window: the table of draws, the option group, the chart surface
// with the selected view, and the buttons that open the other windows. Its
// handlers write the user's choices into the shared model's selection; the
// view is drawn from the model alone.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QWidget>

#include "core/chart/chart.h"
#include "core/history/draw_history.h"
#include "gui/draw_grid.h"

namespace drawlyze {
struct PrintDocument;
}
namespace drawlyze::gui {
class ChartSaveActions;
class PrintActions;
class Forms;
class Model;
}  // namespace drawlyze::gui

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // Opens the Updater, Statistics and Sieve windows of forms; loads the draw
  // file (the argument, else 3x10.txt in the model's folder) into the model.
  TForm1(drawlyze::gui::Model& model, const drawlyze::gui::Forms& forms, const char* drawFileArgument = nullptr,
         QWidget* parent = nullptr);
  ~TForm1() override;

  const drawlyze::DrawHistory& History() const;
  int SelectedRow() const;     // R, 1-based; 1 when the table has no draws
  int SelectedOption() const;  // the model's option, the one the view shows
  const QString& CopyText() const { return copyText_; }
  const drawlyze::Chart& CurrentChart() const { return chart_; }
  // At the screen's device pixel ratio (2 at 200% scaling: 1070 x 1280
  // pixels), so that the chart's text is as sharp as the window's.
  const QImage& ChartSurface() const { return surface_; }
  // Where the window shows the chart band: below the menu bar.
  QRect ChartBand() const;

  // Replaces the model's draws by the file's (the window then refills and
  // redraws); false when the file cannot be read (the draws stay as they were).
  bool LoadDrawFile(const QString& path);
  void RunSelectedView();
  void SelectRow(int row);
  void SelectOption(int option);

  // Controls, named as in the design.
  drawlyze::gui::DrawGrid* StringGrid1;  // a view on the model's draws
  QGroupBox* RadioGroup1;
  QButtonGroup* RadioGroup1Buttons;
  QLabel* Label1;
  QComboBox* ComboBox_last_draws;
  QPushButton* Button_Copy;
  QPushButton* Button_left_right;
  QPushButton* Button_center;
  QCheckBox* xpCheckBox_median;
  QPushButton* xpButton_Sieve;
  QPushButton* xpButton_Update;
  QCheckBox* xpCheckBox_grid;
  QComboBox* xpComboBox_grid;
  QComboBox* xpComboBox_grid_bias;
  QPushButton* xpButton_statistics;
  QPushButton* xpButton_Plays;
  QPushButton* xpButton_Filters;
  QPushButton* xpButton_Trends;
  // The chart's menu (a right click on the chart): Copy Text, Copy Image, Save Image..., Save Text...
  drawlyze::gui::ChartSaveActions* ChartMenu;
  // What "Print...", "Print preview..." and "Export PDF..." print: the chart as
  // shown and its text.
  drawlyze::gui::PrintActions* Printing;
  drawlyze::PrintDocument PrintedDocument() const;
  // The menu bar: File, Analysis, Update, Help. Each entry is an action named
  // after it ("OpenDrawFile1", "Statistics1"); an entry with a button runs
  // the button's handler.
  QMenuBar* MenuBar1;
  QMenu* Menu_file;
  QMenu* Menu_recent;
  QMenu* Menu_analysis;
  QMenu* Menu_update;
  QMenu* Menu_help;
  // Below the table: what the store left out of a long history, or that the file holds no draws.
  QStatusBar* StatusBar1;

  // Handlers.
  void StringGrid1Click();
  void RadioGroup1Click();
  void ComboBox_last_drawsChange();
  void Button_copyClick();
  void xpButton_UpdateClick();
  void xpButton_statisticsClick();
  void xpButton_FiltersClick();
  void xpButton_TrendsClick();
  void xpButton_SieveClick();
  void xpButton_PlaysClick();
  void Button_left_rightClick();
  void Button_centerClick();
  void xpCheckBox_medianClick();
  void xpCheckBox_gridClick();
  void xpComboBox_gridChange();
  // Handlers of the menu entries that have no button.
  void OpenDrawFile1Click();
  void ImportResults1Click();
  void OpenRecentClick(const QString& path);
  void RestoreBackup1Click();
  void Table1Click();
  void UpdateSourceClick(int source);
  void HelpContents1Click();
  void HelpKeys1Click();
  void About1Click();
  void Quit1Click();

 protected:
  void paintEvent(QPaintEvent* event) override;    // FormPaint
  void resizeEvent(QResizeEvent* event) override;  // FormResize
  // Plays typed and not saved are offered for saving before the program ends.
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate(const char* drawFileArgument);
  void FormResize();
  int StatusBarHeight() const;
  bool made_ = false;  // every control made: the layout may follow the status bar
  // Paints the chart again (not the analysis) when the screen's pixel ratio changed.
  void FitSurfaceToScreen();
  bool FormKeyDown(QKeyEvent* event);
  void LocateDrawFile(const char* drawFileArgument);
  void DrawsLoaded();
  void ShowFileInTitle();
  void FillLastDrawsCombo();
  void FillGrid();
  void ShowSeparationCaptions();
  // Draw files load as they are; a results export opens the import window.
  void OpenFile(const QString& path);
  void BuildMenuBar();  // form1_menu.cpp
  void FillRecentMenu();
  // A key that is the shortcut of an enabled menu entry runs the entry.
  bool MenuKeyDown(const QKeyEvent* event);

  drawlyze::gui::Model& model_;
  const drawlyze::gui::Forms& forms_;
  drawlyze::Chart chart_;
  QImage surface_;
  QString copyText_;
  QString openDialogFileName_;
  bool fillingGrid_ = false;  // a load moves the current cell: no click
  class GridDelegate;
  friend class GridDelegate;
};
