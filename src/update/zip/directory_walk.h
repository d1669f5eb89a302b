#pragma once
// Reports built from directory entries, and the running totals of a summary.

#include <cstdint>
#include <string>

#include "update/zip/zip.h"

namespace drawlyze::zip {

ZipReport EntryReport(const ZipDirectory& dir, int status, bool isFolder = false);

struct ReportTotals {
  int count = 0;
  std::uint32_t size = 0;  // sums wrap as the 32-bit fields of the report do
  std::uint32_t compressedSize = 0;

  void Add(const ZipDirectory& dir) {
    ++count;
    size += dir.size;
    compressedSize += dir.compressedSize;
  }
  ZipReport Summary(const std::string& archivePath, int status) const;
};

// Moves the cursor back to the first entry.
int RewindDirectory(ZipDirectory& dir);

}  // namespace drawlyze::zip
