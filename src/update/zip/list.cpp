// Listing: every member whose name matches the mask, then a summary.
#include "update/zip/directory_walk.h"
#include "update/zip/zip.h"

namespace drawlyze {

int ZipList(const std::string& archivePath, const std::string& mask, const ZipReportCallback& onReport) {
  if (archivePath.empty() || !onReport) return kZipMissingArgument;
  if (!ZipIsArchive(archivePath)) return kZipNotArchive;
  ZipDirectory dir;
  if (ZipOpenDirectory(archivePath, dir) != kZipOk) return kZipDirectoryError;

  zip::ReportTotals totals;
  do {
    if (!ZipMatchMask(dir.name, mask)) continue;
    totals.Add(dir);
    onReport(0, zip::EntryReport(dir, kZipStatusListed));
  } while (ZipNextEntry(dir) == kZipOk);
  ZipCloseDirectory(dir);

  onReport(totals.count, totals.Summary(archivePath, kZipStatusEnd));
  return totals.count;
}

}  // namespace drawlyze
