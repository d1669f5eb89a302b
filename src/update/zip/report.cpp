// The report record's derived fields and the texts of the return codes.
#include <cstdint>
#include <string>

#include "update/zip/zip.h"

namespace drawlyze {

std::uint8_t ZipRatio(std::int32_t size, std::int32_t compressedSize) {
  std::int64_t u = size;
  std::int64_t c = compressedSize;
  // Large sizes are scaled down first so that c * 100 stays within 32 bits.
  if (c >= 21474837) {
    u /= 100;
    c /= 100;
  }
  if (u == 0) return 0;
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(100 - c * 100 / u) & 0xFF);
}

std::string ZipErrorText(int code) {
  switch (code) {
    case kZipOk:
      return "success";
    case kZipCrcError:
      return "CRC mismatch: the extracted data does not match the stored CRC-32";
    case kZipWriteError:
      return "write error: the output file could not be created or written";
    case kZipReadError:
      return "read error: the archive could not be read, or the member's data ended early";
    case kZipFormatError:
      return "format error: no local header where the directory points, or invalid compressed data";
    case kZipAborted:
      return "aborted by the user";
    case kZipUnsupportedMethod:
      return "compression method not supported";
    case kZipEncrypted:
      return "member is encrypted";
    case kZipBusy:
      return "another extraction is running";
    case kZipDirectoryError:
      return "the central directory could not be opened";
    case kZipNoMoreEntries:
      return "no more entries in the central directory";
    case kZipFileError:
      return "the archive file could not be opened or read while looking for the directory";
    case kZipNotArchive:
      return "the file is not a ZIP archive";
    case kZipCannotOpenArchive:
      return "the archive could not be opened for extraction";
    case kZipOverlap:
      return "overlapping members: two members share their data (a possible ZIP bomb)";
    case kZipTooLarge:
      return "a member is larger than an extraction allows (a possible ZIP bomb)";
    case kZipNoSpace:
      return "the members need more space than the folder's disk has free";
    case kZipMissingArgument:
      return "a required argument (archive path or target folder) is empty";
    default:
      return "unknown error";
  }
}

}  // namespace drawlyze
