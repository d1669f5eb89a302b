#pragma once
// The core's texts are single-byte; the windows show them as Latin-1.

#include <QString>
#include <string_view>

namespace drawlyze::gui {

inline QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace drawlyze::gui
