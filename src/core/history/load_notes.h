#pragma once
// What the main window says of a loaded draw file besides its incorrect
// lines: that the store kept only the newest draws of a long history, or that
// the file holds no draw at all. Said in the title and the status bar, so a
// long history loads at every start without a box to click away.

#include <string>

#include "core/history/draw_history.h"

namespace drawlyze {

// "10,000 newest of 25,027 draws, from 26.12.2011" (the oldest draw kept);
// empty when the store holds every draw of the file.
std::string StoreLimitText(const LoadResult& load);

// "The draw file 3x10.txt holds no draws. Use File → Import results… or
// Update… to get a history." for a file without a valid line (its incorrect
// lines counted when it has some); empty when it holds draws.
std::string NoDrawsText(const std::string& fileName, const LoadResult& load);

// "25,027": a count with thousands separators.
std::string GroupedCount(long long count);

}  // namespace drawlyze
