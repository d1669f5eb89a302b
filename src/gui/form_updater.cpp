#include "gui/form_updater.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>

#include "gui/error_message.h"
#include "gui/message_box.h"
#include "gui/model.h"
#include "gui/styled_controls.h"
#include "update/updater/update_sources.h"

TForm_updater::TForm_updater(drawlyze::gui::Model& model, QWidget* parent) : QDialog(parent), model_(model) {
  Label1 = new QLabel("Archive:", this);
  ListBox1 = new QListWidget(this);
  Label1->setBuddy(ListBox1);  // the list's caption stands above it
  Label2 = new QLabel("URL:", this);
  Edit1_url = new QLineEdit(this);
  Label3 = new QLabel("File in Archive:", this);
  Edit2_mask = new QLineEdit(this);
  xpButton_Update = new QPushButton("Update", this);
  xpButton_Close = new QPushButton("Close", this);
  Label4 = new QLabel("Source:", this);
  ComboBox_source = new QComboBox(this);
  FormCreate();
}

void TForm_updater::FormCreate() {
  // 70 pixels wider than designed, so that the source list holds its longest name.
  drawlyze::gui::MakeFixedDialog(this, "Form_updater", "Updater", 560, 200);
  drawlyze::gui::PlaceCentred(this);

  drawlyze::gui::PlaceControls({
      {Label1, "Label1", 16, 8, 60, 16},
      {ListBox1, "ListBox1", 8, 32, 121, 161},
      {Label2, "Label2", 144, 12, 30, 16},
      {Edit1_url, "Edit1_url", 184, 8, 367, 21},
      {Label3, "Label3", 144, 52, 92, 16},
      {Edit2_mask, "Edit2_mask", 240, 48, 311, 21},
      {Label4, "Label4", 144, 92, 52, 16},
      {ComboBox_source, "ComboBox_source", 200, 88, 351, 21},
      {xpButton_Update, "xpButton_Update", 152, 168, 75, 25},
      {xpButton_Close, "xpButton_Close", 470, 167, 75, 25},
  });
  for (QLabel* label : {Label1, Label2, Label3, Label4}) {
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    drawlyze::gui::FillBackground(label);
  }
  drawlyze::gui::StyleButtons({xpButton_Update, xpButton_Close});

  ArchiveName = drawlyze::updater::kArchiveName;
  for (const drawlyze::updater::UpdateSource& source : drawlyze::updater::UpdateSources())
    ComboBox_source->addItem(QString::fromStdString(source.name), QString::fromStdString(source.url));
  ComboBox_source->setCurrentIndex(drawlyze::updater::DefaultUpdateSource());
  ComboBox_sourceChange();
  Edit2_mask->setText("loto*.txt");

  connect(xpButton_Update, &QPushButton::clicked, this, [this] { xpButton_UpdateClick(); });
  connect(xpButton_Close, &QPushButton::clicked, this, [this] { xpButton_CloseClick(); });
  connect(ComboBox_source, &QComboBox::activated, this, [this] { ComboBox_sourceChange(); });
}

void TForm_updater::ComboBox_sourceChange() {
  Edit1_url->setText(ComboBox_source->currentData().toString());
  Edit1_url->setCursorPosition(0);  // the scheme and the host in sight
}

QString TForm_updater::ProgramFolder() const { return programFolder_.isEmpty() ? model_.Folder() : programFolder_; }

void TForm_updater::paintEvent(QPaintEvent* event) {
  drawlyze::gui::PaintGradient(this, drawlyze::gui::Gradient::FromCentre);
  QDialog::paintEvent(event);
}

void TForm_updater::xpButton_UpdateClick() {
  if (!running_) RunUpdate();
}

void TForm_updater::xpButton_CloseClick() {
  if (running_)
    StopAndClose();
  else
    accept();
}

// The update ends at once, leaving the folder as it was; the window closes
// when RunUpdate has returned.
void TForm_updater::StopAndClose() {
  closePending_ = true;
  stop_.Request();
}

void TForm_updater::reject() {
  if (running_) {
    StopAndClose();
    return;
  }
  QDialog::reject();
}

void TForm_updater::closeEvent(QCloseEvent* event) {
  if (running_) {
    StopAndClose();
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

bool TForm_updater::eventFilter(QObject* watched, QEvent* event) {
  // The extraction stops while Escape is held down.
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape && !key->isAutoRepeat()) escapeHeld_ = event->type() == QEvent::KeyPress;
  }
  return QDialog::eventFilter(watched, event);
}

void TForm_updater::OnArchiveEntry(int, const drawlyze::ZipReport& report) {
  if (report.status != drawlyze::kZipStatusEnd) ListBox1->addItem(QString::fromStdString(report.name));
}

void TForm_updater::RunUpdate() {
  running_ = true;
  closePending_ = false;
  escapeHeld_ = false;
  stop_ = {};
  xpButton_Update->setEnabled(false);
  qApp->installEventFilter(this);

  drawlyze::updater::UpdateSettings settings;
  settings.url = Edit1_url->text().toStdString();
  settings.mask = Edit2_mask->text().toStdString();
  settings.folder = ProgramFolder().toStdString();
  settings.drawName = drawlyze::DrawFileName();

  drawlyze::updater::UpdateCallbacks callbacks;
  callbacks.clearList = [this] { ListBox1->clear(); };
  callbacks.onArchiveEntry = [this](int argument, const drawlyze::ZipReport& report) {
    OnArchiveEntry(argument, report);
  };
  callbacks.showFailure = [this](const drawlyze::Error& failure) { drawlyze::gui::ShowError(failure, this); };
  callbacks.confirmReplace = [this](const std::string& question) {
    return drawlyze::gui::AskYesNo(QString::fromStdString(question), this);
  };
  callbacks.processEvents = [] { QCoreApplication::processEvents(); };
  callbacks.escapeHeld = [this] { return escapeHeld_; };
  callbacks.stop = &stop_;
  // The draws are reloaded after the button is enabled again, as the main
  // window's redraw may take a moment on a long history.
  std::string installed;
  callbacks.loadDrawFile = [&installed](const std::string& path) { installed = path; };

  lastResult_ = drawlyze::updater::RunUpdate(settings, callbacks);

  qApp->removeEventFilter(this);
  xpButton_Update->setEnabled(true);
  running_ = false;
  if (!installed.empty() && model_.LoadDrawFile(QString::fromStdString(installed), parentWidget())) {
    const drawlyze::DrawHistory& history = model_.history;
    const std::string newest = history.Count() > 0 ? history.DateText(0) : std::string();
    drawlyze::gui::ShowMessage(
        QString::fromStdString(drawlyze::updater::SuccessMessage(lastResult_, history.Count(), newest)), this);
  }
  if (closePending_) accept();
}
