#pragma once
// The Plays window: the player's own plays, each checked against the draws
// it covers and priced by the prize table, with the totals beside their exact
// expectation. The plays live in a plays file (plays.csv in the data folder
// by default) that Save writes whole. After every load of the draws the plays
// are checked again, and a play that has just won is announced once: the
// wins announced are kept in the data folder, so no win is announced twice.
// The checking, pricing and texts are the core's (core/plays); this window
// only feeds it the user's fields and shows what it returns.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <set>
#include <string>
#include <vector>

#include "core/plays/plays_report.h"

namespace drawlyze::gui {
class Model;
}

namespace drawlyze::gui {
class PrintActions;
}

class TForm_plays : public QDialog {
  Q_OBJECT

 public:
  // "Print...", "Print preview..." and "Export PDF..." of what the window
  // shows, in a right click on the window; Ctrl+P prints.
  drawlyze::gui::PrintActions* Printing = nullptr;

  // Reads the prize table and the plays file of the model's folder (when
  // there is one) and checks the plays; the wins already there are announced
  // once the event loop runs.
  explicit TForm_plays(drawlyze::gui::Model& model, QWidget* parent = nullptr);

  // Adds plays at the end of the table (a list the Filters made), checks them
  // and shows them; they are saved with the others.
  void AddPlays(const std::vector<drawlyze::plays::Play>& plays);
  // Reads a plays file in place of the plays shown; false (after a message)
  // when it cannot be read or is no plays file, the plays then stay as they were.
  bool OpenPlaysFile(const QString& path);
  // Writes the plays whole to path, which becomes the window's file; false after a message.
  bool SavePlaysFile(const QString& path);
  // Checks the plays against the draws again (the prize table read anew) and
  // announces each win not announced before. Every load of the draws runs it.
  void CheckAgain();

  const std::vector<drawlyze::plays::Play>& Plays() const { return plays_; }
  const drawlyze::plays::PlaysReport& Report() const { return report_; }
  const QString& PlaysPath() const { return path_; }
  bool Modified() const { return modified_; }
  // The file of the wins announced: plays_announced.txt in the model's folder.
  QString AnnouncedPath() const;

  // Controls.
  QLabel* Label_file;
  QLabel* Label_date;
  QLineEdit* Edit_date;
  QLabel* Label_draw;
  QComboBox* ComboBox_draw;
  QLabel* Label_bet;
  QComboBox* ComboBox_bet;
  QLabel* Label_number;
  QLineEdit* Edit_number;
  QLabel* Label_amount;
  QLineEdit* Edit_amount;
  QLabel* Label_draws;
  QLineEdit* Edit_draws;
  QPushButton* xpButton_Add;
  QPushButton* xpButton_Change;
  QPushButton* xpButton_Delete;
  QLabel* Label_check;  // what the fields hold, or why they cannot be a play
  QTableWidget* StringGrid_plays;
  QLabel* Label_play;  // the selected play and how it stands
  QTableWidget* StringGrid_draws;
  QPlainTextEdit* Memo_totals;
  QLabel* Label_note;  // the prize table used, and that prize tables differ
  QPushButton* xpButton_Open;
  QPushButton* xpButton_Save;
  QPushButton* xpButton_SaveAs;
  QPushButton* xpButton_Close;

  // Handlers.
  void FieldsChange();
  void xpButton_AddClick();
  void xpButton_ChangeClick();
  void xpButton_DeleteClick();
  void StringGrid_playsClick();
  void xpButton_OpenClick();
  void xpButton_SaveClick();
  void xpButton_SaveAsClick();
  // Esc, Close and the close box: plays changed since the last save are offered for saving first.
  void reject() override;
  // Offers plays changed since the last save for saving before they are left:
  // the window closes, another file is opened, or the program ends. False
  // when they should stay (the save failed).
  enum class Leaving { Window, Plays, Program };
  bool LeaveChanges(Leaving leaving);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  // The play the fields describe; the reasons they cannot, joined, in problem.
  drawlyze::Result<drawlyze::plays::Play> FieldsPlay();
  // Reads the prize table anew; false when the file there cannot be used.
  bool LoadPrizes();
  // Checks the plays and refills the table, the draws and the totals.
  void Recheck();
  void FillPlays();
  void FillDraws();
  void ShowFile();
  void ShowNote();
  // The wins of the report not announced yet: announced (when announce) or
  // only remembered (the user's own edits), then kept in the announced file.
  void NoteWins(bool announce);
  void ReadAnnounced();

  drawlyze::gui::Model& model_;
  std::vector<drawlyze::plays::Play> plays_;
  std::vector<drawlyze::plays::BadRow> bad_;  // rows of the file read that could not be used
  QString path_;
  bool modified_ = false;
  drawlyze::plays::PrizeTable table_;
  QString tableProblem_;  // the prize table file cannot be used: nothing is priced
  drawlyze::plays::PlaysReport report_;
  std::set<std::string> announced_;
};
