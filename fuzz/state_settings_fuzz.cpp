// libFuzzer target for the State dialog's settings file and thresholds: the
// input is a settings file's text. Saving what was loaded and loading it
// again must give the same thresholds; every accepted threshold must order
// the column values as the C library's reading of the same text does.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/table/column_runs.h"
#include "core/table/state_settings.h"

using namespace drawlyze;

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

const std::string& WorkFile() {
  static const std::string path = [] {
    char name[] = "/tmp/state-fuzz-XXXXXX";
    if (!mkdtemp(name)) std::abort();
    return std::string(name) + "/stats_pick_3.txt";
  }();
  return path;
}

void CheckThreshold(std::string_view text, const std::vector<int>& values) {
  const std::optional<double> threshold = ParseThreshold(text);
  if (!threshold) return;
  std::string trimmed(text);
  while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
  char* end = nullptr;
  const double reference = std::strtod(trimmed.c_str(), &end);
  if (end != trimmed.c_str() + trimmed.size()) Fail("accepted a text the C library does not read whole");
  // The columns hold small integers; what matters is how they compare.
  for (int v = -1; v <= 28; ++v)
    if ((v > *threshold) != (v > reference) || (v < *threshold) != (v < reference))
      Fail("threshold orders the values differently from the C library");
  const ColumnRuns runs = CountColumnRuns(values, *threshold);
  if (runs.above > static_cast<int>(values.size()) || runs.below > static_cast<int>(values.size()))
    Fail("run longer than the column");
  if (runs.above > 0 && runs.below > 0) Fail("newest value both above and below");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<int> values;  // a column, newest first, made of the input bytes
  for (std::size_t i = 0; i < size && i < 64; ++i) values.push_back(data[i] % 28);

  Thresholds thresholds = DefaultThresholds();
  const int applied = ApplyStateSettings(text, thresholds);
  if (applied < 0 || applied > kDerivedColumnCount) Fail("applied count");
  for (int k = applied; k < kDerivedColumnCount; ++k)
    if (thresholds[static_cast<std::size_t>(k)] != kDefaultThreshold) Fail("slot past the last line changed");
  for (const std::string& t : thresholds) CheckThreshold(t, values);
  CheckThreshold(text, values);

  // Through the file: Load gives what Apply gives, and Save then Load keeps it.
  {
    std::FILE* f = std::fopen(WorkFile().c_str(), "wb");
    if (!f) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
  }
  Thresholds loaded = DefaultThresholds();
  if (!LoadStateSettings(WorkFile(), loaded) || loaded != thresholds) Fail("loaded file differs");
  if (!SaveStateSettings(WorkFile(), thresholds)) Fail("save failed");
  Thresholds reloaded = DefaultThresholds();
  if (!LoadStateSettings(WorkFile(), reloaded) || reloaded != thresholds)
    Fail("saved thresholds read back differently");
  return 0;
}
