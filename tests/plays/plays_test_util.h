#pragma once
// Histories written as draw-file lines, for the plays tests.

#include <string>
#include <vector>

#include "core/history/draw_history.h"
#include "core/plays/plays_file.h"

namespace drawlyze::testing {

// Lines "DD.MM.YYYY TIME D D D", oldest first, numbered as a draw file numbers them.
inline DrawHistory HistoryOf(const std::vector<std::string>& draws) {
  std::string text;
  int number = 0;
  for (const std::string& draw : draws) {
    const std::size_t blank = draw.find(' ');
    text += std::to_string(++number) + ' ' + draw.substr(0, blank) + " wd" + draw.substr(blank) + " x\n";
  }
  DrawHistory history;
  history.Assign(ParseDrawFile(text).draws);
  return history;
}

// The plays of a plays file's text; the test fails when the header is wrong.
inline plays::PlaysFile PlaysOf(const std::string& text) {
  Result<plays::PlaysFile> file = plays::ReadPlays(text, "plays.csv");
  return file ? *file : plays::PlaysFile{};
}

}  // namespace drawlyze::testing
