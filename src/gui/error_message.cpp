#include "gui/error_message.h"

#include "gui/message_box.h"

namespace drawlyze::gui {

QString ErrorMessage(const Error& error) { return QString::fromStdString(ErrorText(error)); }

void ShowError(const Error& error, QWidget* parent) { ShowMessage(ErrorMessage(error), parent); }

}  // namespace drawlyze::gui
