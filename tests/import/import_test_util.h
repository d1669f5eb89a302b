#pragma once
// Imports texts and shows the draws compactly: "03.04.2020 Mid 123", one a line.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/import/import_to_draw_file.h"

namespace drawlyze::import::test {

inline std::string Compact(const std::vector<ImportedDraw>& draws) {
  std::string text;
  for (const ImportedDraw& d : draws) {
    AppendDate(text, d.day);
    static constexpr const char* kTimes[] = {" Mor ", " Mid ", " - ", " Eve ", " Ngt "};
    text += kTimes[static_cast<int>(d.time)];
    for (auto n : d.numbers) text += static_cast<char>('0' + n);
    text += '\n';
  }
  return text;
}

inline std::string SkippedLines(const ImportedInput& input) {
  std::string text;
  for (const SkippedRow& row : input.skipped) text += (text.empty() ? "" : " ") + std::to_string(row.line);
  return text;
}

inline std::string Fixture(const std::string& name) {
  std::ifstream in(std::filesystem::path(DRAWLYZE_TEST_DIR) / "fixtures" / name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace drawlyze::import::test
