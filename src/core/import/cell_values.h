#pragma once
// What one cell of an export says: a date, a draw time, a pick-3 result or
// one of its digits. Readers take the cell's text as it stands and never allocate.

#include "core/import/cell_text.h"
#include "core/import/date_values.h"
#include "core/import/draw_time_values.h"
#include "core/import/result_values.h"
