// Extraction of one member: local header, decoder, CRC check, and the output
// file that only appears once everything checked out.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <system_error>

#include "update/zip/archive_file.h"
#include "update/zip/bit_reader.h"
#include "update/zip/decoders.h"
#include "update/zip/output_file.h"
#include "update/zip/output_window.h"
#include "update/zip/zip.h"

namespace drawlyze {

using namespace zip;

namespace {

constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kShrunk = 1;
constexpr std::uint16_t kImploded = 6;
constexpr std::uint16_t kDeflated = 8;
constexpr std::uint32_t kSupportedMethods = 1u << kStored | 1u << kShrunk | 1u << kImploded | 1u << kDeflated;
constexpr std::uint16_t kFlagEncrypted = 1 << 0;
constexpr std::uint16_t kFlagBigDictionary = 1 << 1;
constexpr std::uint16_t kFlagLiteralTree = 1 << 2;
constexpr std::uint16_t kFlagDataDescriptor = 1 << 3;
constexpr std::int64_t kStaleBusyMs = 30000;
constexpr std::size_t kInputBlock = 4096;
constexpr std::uint64_t kDescriptorSize = 16;  // signature, CRC-32 and both sizes

// One extraction at a time: the event pumping between input blocks may run
// code that starts another one.
struct BusyMark {
  bool busy = false;
  std::int64_t lastEvents = 0;  // tick count of the last event processing
};
BusyMark busyMark;

std::int64_t Now(const ZipOptions& options) {
  if (options.tickCount) return options.tickCount();
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Clears the busy mark on every way out.
struct BusyScope {
  ~BusyScope() { busyMark.busy = false; }
};

// The member's compressed data from the archive in 4 KiB blocks, with the
// program's events run before each block and Escape checked whenever the
// share read, in whole percent, moved on.
class ArchiveSource : public ByteSource {
 public:
  ArchiveSource(std::FILE* file, std::uint64_t limit, std::uint64_t compressedSize, const ZipOptions& options)
      : file_(file), left_(limit), compressedSize_(compressedSize), options_(options) {}

  std::span<const std::uint8_t> NextBlock() override {
    if (left_ == 0) return {};  // more than the member holds
    if (options_.processEvents) options_.processEvents();
    busyMark.lastEvents = Now(options_);
    const std::uint64_t percent = compressedSize_ ? read_ * 100 / compressedSize_ : read_ / kInputBlock;
    if (percent != lastPercent_) {
      lastPercent_ = percent;
      if (options_.escapeHeld && options_.escapeHeld()) {
        aborted_ = true;
        failure_ = kZipAborted;
        left_ = 0;
        return {};
      }
    }
    const std::size_t want = left_ < kInputBlock ? static_cast<std::size_t>(left_) : kInputBlock;
    const std::size_t got = std::fread(block_, 1, want, file_);
    if (got == 0) return {};
    left_ -= got;
    read_ += got;
    return {block_, got};
  }
  bool aborted() const { return aborted_; }

 private:
  std::FILE* file_;
  std::uint64_t left_;  // bytes that may still be read
  std::uint64_t compressedSize_;
  const ZipOptions& options_;
  std::uint64_t read_ = 0;
  std::uint64_t lastPercent_ = ~std::uint64_t{0};
  bool aborted_ = false;
  std::uint8_t block_[kInputBlock];
};

struct LocalHeader {
  std::uint16_t flags;
  std::uint16_t method;
  std::uint32_t time;
  std::uint32_t crc;
  std::uint32_t compressedSize;
  std::uint32_t size;
  std::uint32_t dataOffset;  // from the header's start
};

// The CRC-32 of a data descriptor: right after the data, at a byte boundary,
// behind the descriptor's optional signature.
int ReadDescriptorCrc(BitReader& in, std::uint32_t& crc) {
  in.AlignToByte();
  std::uint32_t word = in.Bits(16) | in.Bits(16) << 16;
  if (word == 0x08074B50u) word = in.Bits(16) | in.Bits(16) << 16;
  if (in.overrun()) return in.failure();
  crc = word;
  return kZipOk;
}

// storedSize: how many bytes a Stored member holds (its sizes may come from
// the central directory when the local header leaves them to a descriptor).
int Decompress(const LocalHeader& h, std::uint64_t storedSize, ArchiveSource& source, OutputWindow& out,
               std::uint32_t& crc) {
  BitReader in(source);
  const bool descriptor = h.flags & kFlagDataDescriptor;
  const std::uint64_t unbounded = ~std::uint64_t{0};
  int result = kZipOk;
  switch (h.method) {
    case kStored:
      result = CopyStored(in, out, storedSize);
      break;
    case kShrunk:
      result = Unshrink(in, out, std::uint64_t{h.compressedSize} * 8);
      break;
    case kImploded:
      result =
          Explode(in, out, h.flags & kFlagBigDictionary, h.flags & kFlagLiteralTree, descriptor ? unbounded : h.size);
      break;
    case kDeflated:
      result = Inflate(in, out);
      break;
  }
  if (result == kZipOk && descriptor) result = ReadDescriptorCrc(in, crc);
  if (source.aborted()) return kZipAborted;
  return result;
}

int ExtractOpened(std::FILE* archive, const std::string& outputPath, std::int64_t offset, const ZipOptions& options,
                  const std::function<void(int)>& onWritten, const std::optional<ZipEntrySizes>& directorySizes) {
  std::uint8_t raw[kLocalHeaderSize];
  if (offset < 0 || std::fseek(archive, static_cast<long>(offset), SEEK_SET) != 0) return kZipReadError;
  if (std::fread(raw, 1, sizeof raw, archive) != sizeof raw) return kZipFormatError;
  if (!HasSignature(raw, 0x03, 0x04)) return kZipFormatError;
  LocalHeader h{Get16(raw + 6),
                Get16(raw + 8),
                Get32(raw + 10),
                Get32(raw + 14),
                Get32(raw + 18),
                Get32(raw + 22),
                kLocalHeaderSize + Get16(raw + 26) + Get16(raw + 28)};
  const bool descriptor = h.flags & kFlagDataDescriptor;
  if (descriptor && h.method == kShrunk) return kZipUnsupportedMethod;
  if (h.method > 31 || !(kSupportedMethods & (1u << h.method))) return kZipUnsupportedMethod;
  if (h.flags & kFlagEncrypted) return kZipEncrypted;
  if (std::fseek(archive, static_cast<long>(offset + h.dataOffset), SEEK_SET) != 0) return kZipReadError;

  const std::filesystem::path target = PlatformPath(outputPath);
  if (IsFolderPath(outputPath)) {
    std::error_code ec;
    std::filesystem::create_directories(target, ec);
    return std::filesystem::is_directory(target, ec) ? kZipOk : kZipWriteError;
  }
  PendingFile file;
  if (!file.Create(target)) return kZipWriteError;

  // Input may run two bytes past the member (the old reader's look-ahead);
  // a member whose sizes follow its data reads on to the end of the archive,
  // except a Stored one, whose data has no end of its own: it takes the
  // central directory's size, as every other reader does, and reads at most
  // its descriptor beyond.
  std::uint64_t inputLimit = descriptor ? ~std::uint64_t{0} : std::uint64_t{h.compressedSize} + 2;
  std::uint64_t outputLimit = descriptor ? options.unknownSizeLimit : h.size;
  std::uint64_t storedSize = descriptor ? ~std::uint64_t{0} : h.compressedSize;
  if (descriptor && h.method == kStored && directorySizes) {
    storedSize = directorySizes->compressedSize;
    inputLimit = storedSize + kDescriptorSize + 2;
    outputLimit = storedSize;
  }
  // The directory's sizes are the ones the caller checked (the size limit of
  // an update, the byte ranges that catch overlapping members): a local
  // header that claims more reads and writes no more than they allow.
  if (directorySizes) {
    const std::uint64_t packed = directorySizes->compressedSize + (descriptor ? kDescriptorSize : 0) + 2;
    inputLimit = std::min(inputLimit, packed);
    outputLimit = std::min<std::uint64_t>(outputLimit, directorySizes->size);
  }
  ArchiveSource source(archive, inputLimit, h.compressedSize, options);
  OutputWindow out(outputLimit, [&](const std::uint8_t* data, std::size_t size) {
    if (!file.Write(data, size)) return false;
    if (onWritten) onWritten(static_cast<int>(size));
    return true;
  });
  std::uint32_t crc = h.crc;
  int result = Decompress(h, storedSize, source, out, crc);
  if (result == kZipOk && !out.Flush()) result = out.error();
  if (result != kZipOk) return result;
  if (out.crc() != crc) return kZipCrcError;
  if (!file.Commit()) return kZipWriteError;
  SetDosTime(target, h.time);
  return kZipOk;
}

}  // namespace

int ZipExtractEntry(const std::string& archivePath, const std::string& outputPath, std::int64_t localHeaderOffset,
                    const ZipOptions& options, const std::function<void(int)>& onWritten,
                    const std::optional<ZipEntrySizes>& directorySizes) {
  if (busyMark.busy) {
    if (std::llabs(Now(options) - busyMark.lastEvents) <= kStaleBusyMs) return kZipBusy;
    busyMark.busy = false;  // the running one stopped processing events long ago
  }
  busyMark.busy = true;
  busyMark.lastEvents = Now(options);
  BusyScope scope;

  const FilePtr archive = OpenForReading(archivePath);
  if (!archive) return kZipCannotOpenArchive;
  return ExtractOpened(archive.get(), outputPath, localHeaderOffset, options, onWritten, directorySizes);
}

}  // namespace drawlyze
