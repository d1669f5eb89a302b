#include "core/table/state_settings.h"

#include <filesystem>
#include <system_error>

#include "core/files/whole_file.h"

namespace drawlyze {

namespace {
// An editor may have put a byte-order mark in front of the first threshold.
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
}  // namespace

Thresholds DefaultThresholds() {
  Thresholds thresholds;
  thresholds.fill(std::string(kDefaultThreshold));
  return thresholds;
}

std::string FormatStateSettings(const Thresholds& thresholds) {
  std::string text;
  // The reader drops one mark in front of the first line, so a threshold that
  // starts with one gets another in front to come back as typed.
  if (thresholds[0].starts_with(kUtf8Bom)) text = kUtf8Bom;
  for (const std::string& line : thresholds) {
    text += line;
    text += "\r\n";
  }
  return text;
}

int ApplyStateSettings(std::string_view text, Thresholds& thresholds) {
  if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) text.remove_prefix(kUtf8Bom.size());
  const std::vector<std::string_view> lines = SplitLines(text);
  int applied = 0;
  for (; applied < static_cast<int>(lines.size()) && applied < kDerivedColumnCount; ++applied)
    thresholds[static_cast<std::size_t>(applied)] = lines[static_cast<std::size_t>(applied)];
  return applied;
}

bool LoadStateSettings(const std::string& path, Thresholds& thresholds) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::string text;
  if (!ReadWholeFile(path, text)) return false;
  ApplyStateSettings(text, thresholds);
  return true;
}

Status SaveStateSettings(const std::string& path, const Thresholds& thresholds) {
  return WriteFileWhole(path, FormatStateSettings(thresholds));
}

}  // namespace drawlyze
