#pragma once
// How the windows word a failure: the one place they turn the core's error
// value into the text of a message box.

#include <QString>

#include "core/error/error.h"

class QWidget;

namespace drawlyze::gui {

// The failure's text, as drawlyze-cli prints it too ("Error - file X not found!").
QString ErrorMessage(const Error& error);
// That text in a modal message box.
void ShowError(const Error& error, QWidget* parent);

}  // namespace drawlyze::gui
