// Extraction of every member whose name matches the mask into a folder.
#include <sys/statvfs.h>

#include <filesystem>
#include <iterator>
#include <map>

#include "update/zip/archive_file.h"
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

// The archive bytes each extracted member takes, from its local header to
// the end of its data. Members that share bytes make a small archive write
// without end (the "overlap bomb"); no archive a real tool makes has them.
class MemberRanges {
 public:
  // False when [start, end) overlaps a range already taken.
  bool Take(std::int64_t start, std::int64_t end) {
    auto next = ranges_.lower_bound(start);
    if (next != ranges_.end() && next->first < end) return false;
    if (next != ranges_.begin() && std::prev(next)->second > start) return false;
    ranges_.emplace(start, end);
    return true;
  }

 private:
  std::map<std::int64_t, std::int64_t> ranges_;  // start -> end
};

// Where the current entry's bytes lie: its local header, name, extra field
// and compressed data. Nothing when the local header cannot be read (the
// extraction then reports that itself).
std::optional<std::pair<std::int64_t, std::int64_t>> EntryRange(const ZipDirectory& dir) {
  const std::int64_t start = std::int64_t{dir.localHeaderOffset} + dir.offsetShift;
  std::uint8_t header[kLocalHeaderSize];
  if (!ReadAt(dir.file.get(), start, header, sizeof header)) return std::nullopt;
  return std::make_pair(
      start, start + kLocalHeaderSize + Get16(header + 26) + Get16(header + 28) + std::int64_t{dir.compressedSize});
}

// The free bytes of the file system folder is (or will be) on: its nearest
// existing folder is asked. Nothing when the system cannot tell.
std::optional<std::uint64_t> SystemFreeSpace(const std::string& folder) {
  std::filesystem::path at = folder;
  std::error_code ec;
  while (!at.empty() && !std::filesystem::exists(at, ec) && at.has_parent_path() && at.parent_path() != at)
    at = at.parent_path();
  struct statvfs fs {};
  if (::statvfs(at.empty() ? "." : at.c_str(), &fs) != 0) return std::nullopt;
  return std::uint64_t{fs.f_bavail} * fs.f_frsize;
}

// Looks at every member to be extracted before the first byte is written:
// overlapping data, a member past the size limit, or members that would
// fill the disk stop the extraction while the folder is still as it was.
// kZipOk, or the code the extraction ends with (reported as it stops).
int CheckBeforeWriting(ZipDirectory& dir, const std::string& archivePath, const std::string& folder,
                       const std::string& mask, const ZipOptions& options,
                       const std::function<void(int, const ZipReport&)>& report) {
  MemberRanges ranges;
  ReportTotals matched;
  std::uint64_t total = 0;
  do {
    if (!ZipMatchMask(dir.name, mask)) continue;
    matched.Add(dir);
    const std::optional<std::string> output = MemberOutputPath(folder, dir.name);
    ZipReport r = EntryReport(dir, kZipStatusExtracting, output && IsFolderPath(*output));
    const auto range = EntryRange(dir);
    int code = kZipOk;
    if (range && !ranges.Take(range->first, range->second))
      code = kZipOverlap;
    else if (dir.size > options.memberSizeLimit)
      code = kZipTooLarge;
    if (code != kZipOk) {
      r.status = code;
      report(kZipStopped, r);
      return code;
    }
    if (!r.isFolder) total += dir.size;
  } while (ZipNextEntry(dir) == kZipOk);
  const std::optional<std::uint64_t> free = options.freeSpace ? options.freeSpace(folder) : SystemFreeSpace(folder);
  if (free && (*free < options.freeSpaceReserve || total > *free - options.freeSpaceReserve)) {
    report(kZipStopped, matched.Summary(archivePath, kZipNoSpace));
    return kZipNoSpace;
  }
  RewindDirectory(dir);
  return kZipOk;
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

  if (const int checked = CheckBeforeWriting(dir, archivePath, folder, mask, options, report); checked != kZipOk) {
    ZipCloseDirectory(dir);
    return checked;
  }
  ReportTotals matched;
  int extracted = 0;
  do {
    if (!ZipMatchMask(dir.name, mask)) continue;
    matched.Add(dir);
    const std::optional<std::string> output = MemberOutputPath(folder, dir.name);
    ZipReport r = EntryReport(dir, kZipStatusExtracting, output && IsFolderPath(*output));
    report(0, r);

    // A name that would leave the folder, or reach outside it through a
    // link already there, is never written.
    int result = kZipWriteError;
    if (output && !RunsThroughLink(folder, *output)) {
      MakeWritable(PlatformPath(*output));
      const auto onWritten = [&](int bytes) {
        r.status = kZipStatusListed;
        report(bytes, r);
      };
      // The directory's offsets point into the archive; with a prefix in
      // front of it they are shifted by where the archive really starts.
      result = ZipExtractEntry(archivePath, *output, std::int64_t{dir.localHeaderOffset} + dir.offsetShift, options,
                               onWritten, ZipEntrySizes{dir.compressedSize, dir.size});
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
