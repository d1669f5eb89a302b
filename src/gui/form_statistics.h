#pragma once
// The Statistics window: one button per report, its own "Use Last Draws"
// list, and the Table button.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace drawlyze {
struct ReportInfo;
}

class TForm_statistics : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_statistics(QWidget* parent = nullptr);

  // Titles the report window and shows it modally.
  void ShowReport(const QString& title);

  // Controls, named as in the design.
  QPushButton* xpButton_Triples_not_drawn_yet;
  QComboBox* ComboBox_last_draws;
  QLabel* Label_last_draws;
  QPushButton* xpButton_Free_Triples;
  QPushButton* xpButton_Exact_Pairs;
  QPushButton* xpButton_Free_Pairs;
  QPushButton* xpButton_Free_pairs_Skips;
  QPushButton* xpButton_Find;
  QPushButton* xpButton_Exact_Triples;
  QPushButton* xpButton_Exact_pairs_Skips;
  QPushButton* xpButton_Exact_Triples_Skips;
  QPushButton* xpButton_Free_Triples_skips;
  QPushButton* xpButton_Common_four;
  QPushButton* xpButton_Sum;
  QPushButton* xpButton_table;

  // Handlers.
  void xpButton_Triples_not_drawn_yetClick();
  void xpButton_Free_TriplesClick();
  void xpButton_Exact_PairsClick();
  void xpButton_Free_PairsClick();
  void xpButton_Free_pairs_SkipsClick();
  void xpButton_FindClick();
  void xpButton_Exact_TriplesClick();
  void xpButton_Exact_pairs_SkipsClick();
  void xpButton_Exact_Triples_SkipsClick();
  void xpButton_Free_Triples_skipsClick();
  void xpButton_Common_fourClick();
  void xpButton_SumClick();
  void xpButton_tableClick();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void FormCreate();
  // Computes the report into the report window and shows it; the button
  // shows greyed meanwhile when the report says so.
  void RunReport(QPushButton* button, const char* caption);
};
