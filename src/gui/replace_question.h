#pragma once
// A window's side of the judgement of a new draw file: a refusal is said, a
// doubt (older, much shorter, another game's history) asked.

#include "update/updater/candidate_check.h"

class QWidget;

namespace drawlyze::gui {

// False after the refusal's message or a "No"; true when the file may replace the current one.
bool MayReplace(const updater::CandidateDecision& decision, QWidget* parent);

}  // namespace drawlyze::gui
