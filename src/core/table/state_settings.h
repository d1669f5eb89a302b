#pragma once
// The State dialog's settings file: one threshold line per Table column 2..13,
// each exactly as the user typed it (it need not be a number), in UTF-8.

#include <array>
#include <string>
#include <string_view>

#include "core/error/error.h"
#include "core/table/draw_columns.h"

namespace drawlyze {

inline constexpr std::string_view kStateSettingsFileName = "stats_pick_3.txt";
inline constexpr std::string_view kDefaultThreshold = "1";

// Slot k holds the threshold of Table column k + 2.
using Thresholds = std::array<std::string, kDerivedColumnCount>;
Thresholds DefaultThresholds();

// Twelve lines, each ended by CR LF, the last one too.
std::string FormatStateSettings(const Thresholds& thresholds);
// Line i of the text replaces slot i, for the first twelve lines; slots past
// the last line keep their text. A leading UTF-8 byte-order mark is skipped.
// Returns how many slots it replaced.
int ApplyStateSettings(std::string_view text, Thresholds& thresholds);

// False, thresholds untouched, when the file does not exist or cannot be read.
bool LoadStateSettings(const std::string& path, Thresholds& thresholds);
// Replaces the file as a whole (a new file renamed over the old one), so a
// failed write never leaves half a file.
Status SaveStateSettings(const std::string& path, const Thresholds& thresholds);

}  // namespace drawlyze
