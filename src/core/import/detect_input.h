#pragma once
// What an input is, told by its bytes and never by its file name: a draw
// file, a results export (CSV), a ZIP archive, nothing at all, or binary data.

#include <cstdint>
#include <string_view>

namespace drawlyze::import {

enum class InputKind : std::uint8_t {
  Csv,       // text that is no draw file: read as an export
  DrawFile,  // the first non-blank line is a valid draw-file line
  Zip,       // a ZIP archive: a local header or an end record at the start ("PK\3\4", "PK\5\6")
  Empty,     // no bytes, or blanks and line ends only
  Binary,    // a NUL byte among the first bytes (after UTF-16 text is narrowed)
};

// Decides from the text as read (a byte-order mark and UTF-16 allowed).
InputKind DetectInput(std::string_view text);

// Whether the import window rather than the draw-file loader takes the text:
// an export, an archive or binary data. A text with a valid draw-file line
// among its first few thousand, or no text at all, stays the loader's, whose
// messages name its bad lines.
bool OpensForImport(std::string_view text);

// True when the first non-blank line is a valid draw-file line.
bool LooksLikeDrawFile(std::string_view text);

}  // namespace drawlyze::import
