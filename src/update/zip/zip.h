#pragma once
// The ZIP reader: lists the members of an archive and extracts them into a
// folder. Members may be Stored (0), Shrunk (1), Imploded (6) or Deflated (8);
// every extracted file is checked against its CRC-32. No Qt here: the program
// hands in its event pumping and its Escape-key test as callbacks.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace drawlyze {

// Return codes of every operation; 0 or a positive count means success.
inline constexpr int kZipOk = 0;
inline constexpr int kZipCrcError = -1;            // extracted data does not match the stored CRC-32
inline constexpr int kZipWriteError = -2;          // output file could not be created or written
inline constexpr int kZipReadError = -3;           // archive could not be read, or the member's data ended early
inline constexpr int kZipFormatError = -4;         // no local header where the directory points, or bad data
inline constexpr int kZipAborted = -5;             // the user held Escape
inline constexpr int kZipUnsupportedMethod = -6;   // compression method not supported
inline constexpr int kZipEncrypted = -7;           // member is encrypted
inline constexpr int kZipBusy = -8;                // another extraction is running
inline constexpr int kZipDirectoryError = -9;      // the central directory could not be opened
inline constexpr int kZipNoMoreEntries = -10;      // end of the central directory
inline constexpr int kZipFileError = -11;          // archive unreadable while looking for the directory
inline constexpr int kZipNotArchive = -12;         // the file is not a ZIP archive
inline constexpr int kZipCannotOpenArchive = -14;  // the archive could not be opened for extraction
inline constexpr int kZipOverlap = -15;            // two members share their data (an "overlap bomb")
inline constexpr int kZipTooLarge = -16;           // a member is larger than an extraction allows
inline constexpr int kZipNoSpace = -17;            // the members need more than the folder's free space
inline constexpr int kZipMissingArgument = -500;   // archive path or target folder is empty

// Status codes carried in a ZipReport.
inline constexpr int kZipStatusExtracting = -1000;  // a member is about to be extracted
inline constexpr int kZipStatusListed = -1001;      // a member is listed, or a block of it was written
inline constexpr int kZipStatusExtracted = -1002;   // a member was extracted
inline constexpr int kZipStatusFailed = -1003;      // a member failed (first argument: the error code)
inline constexpr int kZipStatusBegin = -1004;       // an extraction begins (name: the archive)
inline constexpr int kZipStatusEnd = -1005;         // the operation ended: the summary report

// First argument of the report that tells that an error stopped an extraction
// (the report's status then holds the error code).
inline constexpr int kZipStopped = -100;

// One member (or the summary of an operation) as handed to a report callback.
struct ZipReport {
  std::string name;       // stored name, "/" turned into "\", at most 259 characters;
                          // the archive's path in a summary
  std::int32_t time = 0;  // MS-DOS time (low 16 bits) and date (high 16 bits); -1 in a summary
  std::int32_t size = 0;  // uncompressed size; in a summary the total
  std::int32_t compressedSize = 0;
  std::int32_t attributes = 0;  // MS-DOS attributes (0 for members of other hosts); -1 in a summary
  std::uint16_t method = 0;     // compression method; 0 in a summary
  std::uint8_t ratio = 0;       // 100 - compressed * 100 / uncompressed
  std::int32_t status = 0;      // one of the kZipStatus codes
  bool isFolder = false;        // extraction only: the output name ends with a separator
};

// First argument: 0 for a listed member, the count in a listing's summary,
// the bytes just written for -1001 during an extraction, the error code for
// -1003, kZipStopped when an error stops an extraction.
using ZipReportCallback = std::function<void(int, const ZipReport&)>;

// What the program supplies to keep its windows alive during an extraction.
struct ZipOptions {
  std::function<void()> processEvents;      // runs pending window events; called before each input block
  std::function<bool()> escapeHeld;         // true while the Escape key is held down
  std::function<std::int64_t()> tickCount;  // milliseconds; a steady clock when empty
  // Members whose sizes follow their data (flag bit 3) have no declared size:
  // their output is bounded by this many bytes instead.
  std::uint64_t unknownSizeLimit = std::uint64_t{1} << 30;
  // ZipExtract: no member may be larger than this, and all of them together
  // must leave freeSpaceReserve bytes of the folder's free space free.
  std::uint64_t memberSizeLimit = std::uint64_t{1} << 30;
  std::uint64_t freeSpaceReserve = std::uint64_t{64} << 20;
  // The bytes the folder's file system has free; the system's answer when empty.
  std::function<std::optional<std::uint64_t>(const std::string& folder)> freeSpace;
};

// The longest member name kept; longer names are cut.
inline constexpr std::size_t kZipMaxName = 259;

// The cursor over an open archive's central directory and its current entry.
struct ZipDirectory {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file{nullptr, &std::fclose};
  std::vector<std::uint8_t> buffer;  // the whole central directory, then the end record's signature
  std::size_t position = 0;          // read position in buffer (the entry after the current one)
  // Added to every local-header offset: non-zero when the directory's
  // offsets count from the start of an archive that has a prefix in front.
  std::int64_t offsetShift = 0;
  // The current entry.
  std::uint32_t time = 0;  // MS-DOS time and date
  std::uint32_t size = 0;
  std::uint32_t compressedSize = 0;
  std::uint32_t localHeaderOffset = 0;
  std::string name;         // UTF-8, "\" separators, at most kZipMaxName characters
  std::uint16_t flags = 0;  // general purpose flags as the directory gives them
  std::uint16_t method = 0;
  std::int32_t attributes = 0;
};

// True when path names a ZIP archive: a local header at offset 0, or behind a
// prefix within the first three quarters of the first 256 KiB. start (when
// given) receives the offset of the first local header.
bool ZipIsArchive(const std::string& path, std::int64_t* start = nullptr);
// The offset of the first local-header signature in the searched head of the
// file, or -1 when there is none.
std::int64_t ZipFindLocalHeader(const std::string& path);

// Opens the central directory and reads its first entry: 0 or an error code.
int ZipOpenDirectory(const std::string& path, ZipDirectory& dir);
// Moves to the next entry: 0, or kZipNoMoreEntries (also for a damaged directory).
int ZipNextEntry(ZipDirectory& dir);
void ZipCloseDirectory(ZipDirectory& dir);

// Case-insensitive wildcard match ("*", "?"); an empty mask or "*.*" matches all.
bool ZipMatchMask(const std::string& name, const std::string& mask);

// A member name without the UTF-8 flag (general purpose bit 11) is in code
// page 437, as the ZIP application note says: its text in UTF-8.
std::string ZipNameFromCp437(const std::string& bytes);

// Reports every member whose name matches mask, then a summary. Returns the
// number of matching members or an error code.
int ZipList(const std::string& archivePath, const std::string& mask, const ZipReportCallback& onReport);

// Extracts every member whose name matches mask into folder (overwriting
// existing files, never writing through a link already in the folder, never
// replacing what is no regular file). Before anything is written, members
// whose data overlap stop it with kZipOverlap, a member past the size limit
// with kZipTooLarge, and members that need more than the free space with
// kZipNoSpace. Returns the number of members extracted or an error code.
int ZipExtract(const std::string& archivePath, const std::string& folder, const std::string& mask,
               const ZipReportCallback& onReport = {}, const ZipOptions& options = {});

// The sizes the central directory gives a member. A Stored member whose local
// header leaves its sizes to a data descriptor is read by them.
struct ZipEntrySizes {
  std::uint32_t compressedSize = 0;
  std::uint32_t size = 0;
};

// Extracts the member whose local header is at localHeaderOffset into
// outputPath (the platform's separators; a trailing one makes a folder entry).
// onWritten receives the size of every block written. 0 or an error code;
// a failure leaves no file behind.
int ZipExtractEntry(const std::string& archivePath, const std::string& outputPath, std::int64_t localHeaderOffset,
                    const ZipOptions& options = {}, const std::function<void(int)>& onWritten = {},
                    const std::optional<ZipEntrySizes>& directorySizes = std::nullopt);

// The meaning of a return code, for messages ("the file is not a ZIP archive").
std::string ZipErrorText(int code);

// 100 - compressed * 100 / uncompressed as the reports give it.
std::uint8_t ZipRatio(std::int32_t size, std::int32_t compressedSize);

}  // namespace drawlyze
