// Merging the inputs' draws into one history, and writing it as a draw file.
#include <algorithm>
#include <charconv>

#include "core/import/import.h"

namespace drawlyze::import {

namespace {

bool Before(const ImportedDraw& a, const ImportedDraw& b) {
  if (a.day != b.day) return a.day < b.day;
  if (a.time != b.time) return a.time < b.time;
  if (a.input != b.input) return a.input < b.input;
  return a.line < b.line;
}

void AppendNumber(std::string& out, long value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

std::string Counted(std::size_t n, const char* thing) { return std::to_string(n) + ' ' + thing + (n == 1 ? "" : "s"); }

}  // namespace

std::string_view TimeToken(DrawTime time) {
  switch (time) {
    case DrawTime::Morning:
      return "Mor";
    case DrawTime::Midday:
      return "Mid";
    case DrawTime::Evening:
      return "Eve";
    case DrawTime::Night:
      return "Ngt";
    case DrawTime::Unknown:
      break;
  }
  return "-";
}

MergedHistory MergeDraws(const std::vector<ImportedInput>& inputs) {
  MergedHistory merged;
  std::vector<ImportedDraw>& all = merged.draws;  // sorted, then compacted in place
  std::size_t total = 0;
  for (const ImportedInput& input : inputs) total += input.draws.size();
  all.reserve(total);
  for (std::size_t i = 0; i < inputs.size(); ++i)
    for (ImportedDraw draw : inputs[i].draws) {
      draw.input = static_cast<std::uint16_t>(i);
      all.push_back(draw);
    }
  std::sort(all.begin(), all.end(), Before);

  std::size_t kept = 0;
  // Per result, which kept draws of the current day hold it: a bit for each
  // draw time, a draw without a time included.
  std::vector<std::uint8_t> seen(4096, 0);
  std::vector<char> keep;
  const auto code = [](const ImportedDraw& d) {
    return (d.numbers[0] & 15) << 8 | (d.numbers[1] & 15) << 4 | (d.numbers[2] & 15);
  };
  for (std::size_t from = 0; from < all.size();) {
    std::size_t to = from + 1;
    while (to < all.size() && all[to].day == all[from].day) ++to;
    // Draws of a known time first: a draw without a time that repeats one of
    // them is the same draw from an export that did not say when.
    keep.assign(to - from, 0);
    for (const bool unknownPass : {false, true}) {
      for (std::size_t k = from; k < to; ++k) {
        if ((all[k].time == DrawTime::Unknown) != unknownPass) continue;
        std::uint8_t& flags = seen[static_cast<std::size_t>(code(all[k]))];
        const auto bit = static_cast<std::uint8_t>(1u << static_cast<unsigned>(all[k].time));
        const bool repeated = unknownPass ? flags != 0 : (flags & bit) != 0;
        keep[k - from] = !repeated;
        merged.duplicatesDropped += repeated;
        flags |= bit;
      }
    }
    for (std::size_t k = from; k < to; ++k) seen[static_cast<std::size_t>(code(all[k]))] = 0;
    for (std::size_t k = from; k < to;) {
      std::size_t end = k;
      const std::size_t first = kept;  // kept <= k: a write never reaches a draw not yet read
      const DrawTime time = all[k].time;
      for (; end < to && all[end].time == time; ++end)
        if (keep[end - from]) all[kept++] = all[end];
      if (kept - first > 1)
        merged.conflicts.push_back(
            {{all.begin() + static_cast<std::ptrdiff_t>(first), all.begin() + static_cast<std::ptrdiff_t>(kept)}});
      k = end;
    }
    from = to;
  }
  all.resize(kept);
  return merged;
}

std::string FormatDrawFile(const std::vector<ImportedDraw>& draws) {
  std::string out;
  out.reserve(draws.size() * 32);
  long number = 0;
  for (const ImportedDraw& d : draws) {
    AppendNumber(out, ++number);
    out += ' ';
    AppendDate(out, d.day);
    out += ' ';
    out += WeekdayName(d.day);
    out += ' ';
    out += TimeToken(d.time);
    for (std::uint8_t n : d.numbers) {
      out += ' ';
      out += static_cast<char>('0' + n);
    }
    out += " x\r\n";
  }
  return out;
}

std::uint64_t DrawFileBytes(const std::vector<ImportedDraw>& draws) {
  // "N DD.MM.YYYY Www T d d d x" and CR LF: 26 bytes beside the number and the draw time.
  std::uint64_t bytes = 0, digits = 1, nextPower = 10;
  for (std::uint64_t number = 1; number <= draws.size(); ++number) {
    if (number == nextPower) {
      ++digits;
      nextPower *= 10;
    }
    bytes += digits + 26 + TimeToken(draws[number - 1].time).size();
  }
  return bytes;
}

Status CheckDrawFileSize(const std::vector<ImportedDraw>& draws) {
  const std::uint64_t bytes = DrawFileBytes(draws);
  if (bytes <= kMaxDrawFileBytes) return {};
  return Error{ErrorKind::TooLarge, "",
               "the " + Counted(draws.size(), "draw") + " would make a draw file of " +
                   std::to_string((bytes + (1 << 20) - 1) >> 20) + " MiB, more than the " +
                   std::to_string(kMaxDrawFileBytes >> 20) + " MiB a draw file may hold; nothing was written"};
}

}  // namespace drawlyze::import
