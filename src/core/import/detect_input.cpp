#include "core/import/detect_input.h"

#include <string>
#include <vector>

#include "core/history/draw_history.h"
#include "core/import/csv_table.h"

namespace drawlyze::import {

namespace {

bool IsBlankLine(std::string_view line) {
  for (char c : line)
    if (static_cast<unsigned char>(c) > 32) return false;
  return true;
}

// The bytes looked at for a NUL: enough for any header line and first rows.
constexpr std::size_t kBinaryProbeBytes = 4096;
// The bytes looked at for a valid draw line: a few thousand lines.
constexpr std::size_t kDrawLineProbeBytes = 1 << 17;

}  // namespace

bool LooksLikeDrawFile(std::string_view text) {
  text = StripByteOrderMark(text);
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    if (!IsBlankLine(line)) return ParseDrawLine(line).valid;
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return false;
}

InputKind DetectInput(std::string_view text) {
  if (text.size() >= 4 && text[0] == 'P' && text[1] == 'K' &&
      ((text[2] == '\3' && text[3] == '\4') || (text[2] == '\5' && text[3] == '\6')))
    return InputKind::Zip;
  std::string narrowed;
  if (IsUtf16(text)) text = narrowed = NarrowUtf16(text.substr(0, 2 * kBinaryProbeBytes));
  text = StripByteOrderMark(text);
  if (text.substr(0, kBinaryProbeBytes).find('\0') != std::string_view::npos) return InputKind::Binary;
  if (IsBlankLine(text)) return InputKind::Empty;
  return LooksLikeDrawFile(text) ? InputKind::DrawFile : InputKind::Csv;
}

bool OpensForImport(std::string_view text) {
  switch (DetectInput(text)) {
    case InputKind::Zip:
    case InputKind::Binary:
      return true;
    case InputKind::DrawFile:
    case InputKind::Empty:
      return false;
    case InputKind::Csv:
      break;
  }
  std::string narrowed;
  if (IsUtf16(text)) text = narrowed = NarrowUtf16(text);
  // The first lines tell: a draw file's bad lines stand among good ones.
  const std::vector<std::string_view> lines = SplitLines(StripByteOrderMark(text.substr(0, kDrawLineProbeBytes)));
  for (const std::string_view line : lines)
    if (ParseDrawLine(line).valid) return false;
  return true;
}

}  // namespace drawlyze::import
