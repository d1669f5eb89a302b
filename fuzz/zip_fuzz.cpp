// libFuzzer target for the ZIP reader: the input is written as an archive,
// listed and extracted into a temporary folder; the same bytes also go
// straight into each decoder. Besides the sanitizers it checks that nothing
// is written outside the target folder and no failed member leaves a file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "update/zip/bit_reader.h"
#include "update/zip/decoders.h"
#include "update/zip/output_file.h"
#include "update/zip/zip.h"

namespace fs = std::filesystem;
using namespace drawlyze;

namespace {

const fs::path& WorkFolder() {
  static const fs::path folder = [] {
    char name[] = "/tmp/zip-fuzz-XXXXXX";
    if (!mkdtemp(name)) std::abort();
    return fs::path(name);
  }();
  return folder;
}

// Nothing outside the target folder, and inside it no file but those of
// members reported as extracted: a failed member leaves nothing behind.
void CheckFiles(const fs::path& work, const fs::path& out, const std::set<fs::path>& extracted) {
  for (const auto& entry : fs::directory_iterator(work))
    if (entry.path().filename() != "in.zip" && entry.path().filename() != "out") {
      std::fprintf(stderr, "written outside the target folder: %s\n", entry.path().c_str());
      std::abort();
    }
  if (!fs::exists(out)) return;
  for (const auto& entry : fs::recursive_directory_iterator(out))
    if (entry.is_regular_file() && !extracted.count(entry.path().lexically_normal())) {
      std::fprintf(stderr, "file of no extracted member: %s\n", entry.path().c_str());
      std::abort();
    }
}

void DecodeRaw(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  constexpr std::uint64_t kLimit = 1 << 16;
  {
    zip::MemorySource source(bytes);
    zip::BitReader in(source);
    zip::OutputWindow out(kLimit, {});
    zip::Inflate(in, out);
  }
  {
    zip::MemorySource source(bytes);
    zip::BitReader in(source);
    zip::OutputWindow out(kLimit, {});
    const std::uint8_t flags = size > 0 ? data[0] : 0;
    zip::Explode(in, out, flags & 2, flags & 4, kLimit);
  }
  {
    zip::MemorySource source(bytes);
    zip::BitReader in(source);
    zip::OutputWindow out(kLimit, {});
    zip::Unshrink(in, out, std::uint64_t{size} * 8);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  DecodeRaw(data, size);

  const fs::path& work = WorkFolder();
  const fs::path archive = work / "in.zip";
  const fs::path out = work / "out";
  {
    std::FILE* f = std::fopen(archive.c_str(), "wb");
    if (!f) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
  }
  // A directory may repeat one member thousands of times; extracting all of
  // them only tests the file system, so such inputs are listed, not extracted.
  const int members = ZipList(archive.string(), "*.*", [](int, const ZipReport&) {});
  if (members > 64) return 0;
  ZipOptions options;
  options.unknownSizeLimit = 4 << 20;
  std::set<fs::path> extracted;
  ZipExtract(
      archive.string(), out.string(), "*.*",
      [&](int, const ZipReport& r) {
        if (r.status != kZipStatusExtracted) return;
        if (const auto path = zip::MemberOutputPath(out.string(), r.name))
          extracted.insert(zip::PlatformPath(*path).lexically_normal());
      },
      options);
  CheckFiles(work, out, extracted);
  std::error_code ec;
  fs::remove_all(out, ec);
  return 0;
}
