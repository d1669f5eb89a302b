#pragma once
// A pick-3 result a cell holds ("123", "1-2-3", "7" for 007), or one of its digits.

#include <cstdint>
#include <string_view>

#include "core/history/draw_history.h"

namespace drawlyze::import {

enum class ResultShape : std::uint8_t {
  None,
  Three,        // "123", "1-2-3", "1 2 3", "1,2,3"
  Short,        // "7", "81": a plain number that lost its leading zeros
  LongNumber,   // four or more digits, or more than three digit groups: another game
  Money,        // "$500", "500 €"
  OtherNumber,  // "12.5", "1 23"
};

ResultShape ClassifyResult(std::string_view cell);
// The result a whole-result cell holds: digits only ("123", "7"), or three
// single digits with separators between them ("1-2-3"); a short plain number
// gains its lost leading zeros (7 is 007). False when the cell holds no
// result ("-5", "12.", "1 23").
bool ReadResult(std::string_view cell, DrawNumbers& result);
// A single digit 0..9, the cell of one ball; -1 otherwise.
int ReadDigit(std::string_view cell);

}  // namespace drawlyze::import
