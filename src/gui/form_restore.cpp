#include "gui/form_restore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>

#include "gui/message_box.h"
#include "gui/model.h"
#include "gui/styled_controls.h"
#include "update/updater/backups.h"

using namespace drawlyze;

TForm_restore::TForm_restore(gui::Model& model, QWidget* parent) : QDialog(parent), model_(model) {
  Label1 = new QLabel(this);
  ListView_backups = new QTreeWidget(this);
  xpButton_Restore = new QPushButton("Restore", this);
  xpButton_Close = new QPushButton("Close", this);
  FormCreate();
}

void TForm_restore::FormCreate() {
  gui::MakeFixedDialog(this, "Form_restore", "Restore a backup", 480, 260);
  gui::PlaceCentred(this);
  gui::PlaceControls({
      {Label1, "Label1", 8, 8, 464, 16},
      {ListView_backups, "ListView_backups", 8, 30, 464, 188},
      {xpButton_Restore, "xpButton_Restore", 312, 227, 75, 25},
      {xpButton_Close, "xpButton_Close", 397, 227, 75, 25},
  });
  gui::StyleButtons({xpButton_Restore, xpButton_Close});
  ListView_backups->setHeaderLabels({"Backup", "Draws", "Newest", "Saved"});
  ListView_backups->setRootIsDecorated(false);
  ListView_backups->setColumnWidth(0, 150);
  ListView_backups->setColumnWidth(1, 70);
  ListView_backups->setColumnWidth(2, 100);
  xpButton_Restore->setDefault(true);
  connect(ListView_backups, &QTreeWidget::itemDoubleClicked, this, [this] { xpButton_RestoreClick(); });
  connect(xpButton_Restore, &QPushButton::clicked, this, [this] { xpButton_RestoreClick(); });
  connect(xpButton_Close, &QPushButton::clicked, this, [this] { reject(); });
}

void TForm_restore::paintEvent(QPaintEvent* event) {
  gui::PaintGradient(this, gui::Gradient::TopDown);
  QDialog::paintEvent(event);
}

bool TForm_restore::ShowBackups(const QString& drawFilePath) {
  const QFileInfo info(drawFilePath);
  drawPath_ = info.absoluteFilePath();
  folder_ = QFile::encodeName(info.absolutePath()).toStdString();
  drawName_ = QFile::encodeName(info.fileName()).toStdString();
  const std::vector<updater::BackupFile> backups = updater::ListBackups(folder_, drawName_);
  if (backups.empty()) {
    gui::ShowMessage("There are no backups of " + info.fileName() + " in " + info.absolutePath() +
                         ": an update or an import keeps one each time it replaces the draw file.",
                     parentWidget());
    return false;
  }
  Label1->setText("Backups of " + drawPath_ + ":");
  ListView_backups->clear();
  const std::int64_t now = QDateTime::currentSecsSinceEpoch();
  for (const updater::BackupFile& backup : backups) {
    auto* item = new QTreeWidgetItem(ListView_backups);
    item->setText(0, QFile::decodeName(backup.name.c_str()));
    item->setText(1, QString::number(backup.draws));
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    item->setText(2, backup.newestDate.empty() ? QString("none") : QString::fromStdString(backup.newestDate));
    item->setText(3, QString::fromStdString(updater::AgeText(backup.modified, now)));
    item->setToolTip(3, QDateTime::fromSecsSinceEpoch(backup.modified).toString("dd.MM.yyyy HH:mm"));
  }
  ListView_backups->setCurrentItem(ListView_backups->topLevelItem(0));
  return true;
}

void TForm_restore::xpButton_RestoreClick() {
  const QTreeWidgetItem* item = ListView_backups->currentItem();
  if (!item) return;
  const QString backup = item->text(0);
  const updater::RestoredBackup r = updater::RestoreBackup(folder_, drawName_, QFile::encodeName(backup).toStdString());
  if (!r.restored) {
    gui::ShowMessage("Error - " + QString::fromStdString(r.failure), this);
    return;
  }
  accept();
  QWidget* owner = parentWidget();
  if (!model_.LoadDrawFile(drawPath_, owner)) return;
  QString text = backup + " is restored as " + QFile::decodeName(drawName_.c_str()) + ".";
  if (!r.keptAs.empty()) text += "\nThe replaced file is kept as " + QFile::decodeName(r.keptAs.c_str()) + ".";
  gui::ShowMessage(text, owner);
}
