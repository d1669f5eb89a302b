// Extraction of every member whose name matches the mask into a folder.
#include "update/zip/directory_walk.h"
#include "update/zip/output_file.h"
#include "update/zip/zip.h"

namespace drawlyze {

using namespace zip;

namespace {

// Member failures after which the extraction goes on with the next member.
bool SkipsMember(int code) {
  return code == kZipCrcError || code == kZipWriteError || code == kZipUnsupportedMethod || code == kZipEncrypted;
}

}  // namespace

int ZipExtract(const std::string& archivePath, const std::string& folder, const std::string& mask,
               const ZipReportCallback& onReport, const ZipOptions& options) {
  if (archivePath.empty() || folder.empty()) return kZipMissingArgument;
  std::int64_t start = 0;
  if (!ZipIsArchive(archivePath, &start)) return kZipNotArchive;
  ZipDirectory dir;
  if (ZipOpenDirectory(archivePath, dir) != kZipOk) return kZipDirectoryError;
  const auto report = [&](int argument, const ZipReport& r) {
    if (onReport) onReport(argument, r);
  };

  if (onReport) {
    ReportTotals whole;
    do whole.Add(dir);
    while (ZipNextEntry(dir) == kZipOk);
    report(0, whole.Summary(archivePath, kZipStatusBegin));
    RewindDirectory(dir);
  }

  ReportTotals matched;
  int extracted = 0;
  do {
    if (!ZipMatchMask(dir.name, mask)) continue;
    matched.Add(dir);
    const std::optional<std::string> output = MemberOutputPath(folder, dir.name);
    ZipReport r = EntryReport(dir, kZipStatusExtracting, output && IsFolderPath(*output));
    report(0, r);

    // A name that would leave the folder is never written.
    int result = kZipWriteError;
    if (output) {
      MakeWritable(PlatformPath(*output));
      const auto onWritten = [&](int bytes) {
        r.status = kZipStatusListed;
        report(bytes, r);
      };
      // The directory's offsets point into the archive; with a prefix in
      // front of it they are shifted by where the archive really starts.
      result = ZipExtractEntry(archivePath, *output, std::int64_t{dir.localHeaderOffset} + dir.offsetShift, options,
                               onWritten);
    }
    if (result == kZipOk) {
      if (!IsFolderPath(*output)) ApplyDosAttributes(PlatformPath(*output), dir.attributes);
      ++extracted;
      r.status = kZipStatusExtracted;
      report(0, r);
    } else if (SkipsMember(result)) {
      r.status = kZipStatusFailed;
      report(result, r);
    } else {
      r.status = result;
      report(kZipStopped, r);
      ZipCloseDirectory(dir);
      return result;
    }
  } while (ZipNextEntry(dir) == kZipOk);
  ZipCloseDirectory(dir);

  report(extracted, matched.Summary(archivePath, kZipStatusEnd));
  return extracted;
}

}  // namespace drawlyze
