#pragma once
// Helpers of the ZIP reader's tests: archives built in memory (zlib deflates
// their members), hand-made bit streams, and the decoders run on bytes.

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "update/zip/bit_reader.h"
#include "update/zip/decoders.h"
#include "update/zip/zip.h"

// Members are written with designated initializers that name only what a test sets.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace ziptest {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

inline Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

inline Bytes ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline fs::path FixturePath(const std::string& name) { return fs::path(DRAWLYZE_TEST_DIR) / "fixtures" / name; }

// A fresh folder, removed with everything in it at the end of the test.
struct TempFolder {
  fs::path path;
  TempFolder() {
    std::string pattern = (fs::path(testing::TempDir()) / "zip-test-XXXXXX").string();
    path = mkdtemp(pattern.data());
  }
  ~TempFolder() {
    std::error_code ec;
    for (const auto& e : fs::recursive_directory_iterator(path, ec))
      fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path, ec);
  }
  std::string operator/(const std::string& leaf) const { return (path / leaf).string(); }
  // Every file below the folder, relative names in "/" form, sorted.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(path))
      if (e.is_regular_file()) names.push_back(fs::relative(e.path(), path).generic_string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

inline std::uint32_t Crc(const Bytes& data) {
  return static_cast<std::uint32_t>(crc32(0, data.data(), static_cast<uInt>(data.size())));
}

// Raw Deflate data (no zlib header) made by zlib.
inline Bytes DeflateRaw(const Bytes& data, int level = 6, int strategy = Z_DEFAULT_STRATEGY) {
  z_stream z{};
  deflateInit2(&z, level, Z_DEFLATED, -15, 8, strategy);
  Bytes out(deflateBound(&z, static_cast<uLong>(data.size())) + 16);
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

inline Bytes RandomText(std::size_t size, unsigned seed) {
  static const char* words[] = {"draw ", "pick ", "three ", "digit ", "skip ", "07 ", "1234 ", "\r\n", "zone ", "odd "};
  std::mt19937 rng(seed);
  Bytes out;
  while (out.size() < size) {
    const char* w = words[rng() % 10];
    out.insert(out.end(), w, w + std::strlen(w));
    if (rng() % 7 == 0) out.push_back(static_cast<std::uint8_t>(rng()));
  }
  out.resize(size);
  return out;
}

// One member of a built archive.
struct Member {
  std::string name;
  Bytes data;                   // what extraction should give
  std::uint16_t method = 8;     // 0 stored, 8 deflated (made here); others need packed
  std::optional<Bytes> packed;  // the compressed bytes, when not made here
  std::uint16_t flags = 0;
  bool descriptor = false;  // sizes and CRC after the data (flag bit 3)
  bool descriptorSignature = true;
  std::uint32_t dosTime = (44u << 25 | 3u << 21 | 15u << 16) | (10u << 11 | 30u << 5 | 4u);  // 2024-03-15 10:30:08
  std::uint8_t host = 0;  // made-by host: 0 MS-DOS, 3 Unix
  std::uint32_t externalAttributes = 0x20;
  std::optional<std::uint32_t> crc;   // instead of the data's CRC (altered data)
  std::optional<std::uint32_t> size;  // instead of the data's size
};

struct Archive {
  std::vector<Member> members;
  Bytes prefix;                  // bytes before the first local header
  bool relativeOffsets = false;  // offsets counted from the archive's start, not the file's
  std::string comment;
};

inline void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

inline Bytes BuildZip(const Archive& a) {
  Bytes out = a.prefix;
  Bytes central;
  const std::uint32_t base = a.relativeOffsets ? static_cast<std::uint32_t>(a.prefix.size()) : 0;
  for (const Member& m : a.members) {
    const Bytes packed = m.packed ? *m.packed : m.method == 8 ? DeflateRaw(m.data) : m.data;
    const std::uint32_t crc = m.crc.value_or(Crc(m.data));
    const std::uint32_t size = m.size.value_or(static_cast<std::uint32_t>(m.data.size()));
    const auto csize = static_cast<std::uint32_t>(packed.size());
    const std::uint16_t flags = static_cast<std::uint16_t>(m.flags | (m.descriptor ? 8 : 0));
    const auto offset = static_cast<std::uint32_t>(out.size()) - base;
    Put32(out, 0x04034B50);
    Put16(out, 20);
    Put16(out, flags);
    Put16(out, m.method);
    Put32(out, m.dosTime);
    Put32(out, m.descriptor ? 0 : crc);
    Put32(out, m.descriptor ? 0 : csize);
    Put32(out, m.descriptor ? 0 : size);
    Put16(out, static_cast<std::uint32_t>(m.name.size()));
    Put16(out, 0);
    out.insert(out.end(), m.name.begin(), m.name.end());
    out.insert(out.end(), packed.begin(), packed.end());
    if (m.descriptor) {
      if (m.descriptorSignature) Put32(out, 0x08074B50);
      Put32(out, crc);
      Put32(out, csize);
      Put32(out, size);
    }
    Put32(central, 0x02014B50);
    Put16(central, 20u | std::uint32_t{m.host} << 8);
    Put16(central, 20);
    Put16(central, flags);
    Put16(central, m.method);
    Put32(central, m.dosTime);
    Put32(central, crc);
    Put32(central, csize);
    Put32(central, size);
    Put16(central, static_cast<std::uint32_t>(m.name.size()));
    Put16(central, 0);
    Put16(central, 0);
    Put16(central, 0);
    Put16(central, 0);
    Put32(central, m.externalAttributes);
    Put32(central, offset);
    central.insert(central.end(), m.name.begin(), m.name.end());
  }
  const auto directoryOffset = static_cast<std::uint32_t>(out.size()) - base;
  out.insert(out.end(), central.begin(), central.end());
  Put32(out, 0x06054B50);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, static_cast<std::uint32_t>(a.members.size()));
  Put16(out, static_cast<std::uint32_t>(a.members.size()));
  Put32(out, static_cast<std::uint32_t>(central.size()));
  Put32(out, directoryOffset);
  Put16(out, static_cast<std::uint32_t>(a.comment.size()));
  out.insert(out.end(), a.comment.begin(), a.comment.end());
  return out;
}

// Hand-made streams, least significant bit first as ZIP packs them.
class BitWriter {
 public:
  // value's low bits, lowest first.
  BitWriter& Bits(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) Bit((value >> i) & 1);
    return *this;
  }
  // A prefix code: its first (highest) bit first, as Deflate sends codes.
  BitWriter& Code(std::uint32_t code, int length) {
    for (int i = length - 1; i >= 0; --i) Bit((code >> i) & 1);
    return *this;
  }
  BitWriter& Byte(std::uint8_t b) { return Bits(b, 8); }
  Bytes Finish() const { return bytes_; }

 private:
  void Bit(std::uint32_t bit) {
    if (used_ % 8 == 0) bytes_.push_back(0);
    bytes_.back() |= static_cast<std::uint8_t>(bit << (used_ % 8));
    ++used_;
  }
  Bytes bytes_;
  int used_ = 0;
};

// A decoder's result on bytes in memory.
struct Decoded {
  int result;
  Bytes bytes;
};

template <typename Run>
Decoded RunDecoder(const Bytes& input, std::uint64_t limit, Run run) {
  drawlyze::zip::MemorySource source(input);
  drawlyze::zip::BitReader in(source);
  Decoded d{0, {}};
  drawlyze::zip::OutputWindow out(limit, [&](const std::uint8_t* p, std::size_t n) {
    d.bytes.insert(d.bytes.end(), p, p + n);
    return true;
  });
  d.result = run(in, out);
  if (d.result == 0 && !out.Flush()) d.result = out.error();
  return d;
}

inline Decoded Inflate(const Bytes& input, std::uint64_t limit = 1u << 28) {
  return RunDecoder(input, limit, [](auto& in, auto& out) { return drawlyze::zip::Inflate(in, out); });
}
inline Decoded Explode(const Bytes& input, bool big, bool literalTree, std::uint64_t size) {
  return RunDecoder(input, size,
                    [&](auto& in, auto& out) { return drawlyze::zip::Explode(in, out, big, literalTree, size); });
}
// inputBits: the member's size as declared, all of input when 0.
inline Decoded Unshrink(const Bytes& input, std::uint64_t limit = 1u << 20, std::uint64_t inputBits = 0) {
  return RunDecoder(input, limit, [&](auto& in, auto& out) {
    return drawlyze::zip::Unshrink(in, out, inputBits ? inputBits : std::uint64_t{input.size()} * 8);
  });
}

// Every report of an operation: first argument and record.
struct Recorded {
  int argument;
  drawlyze::ZipReport report;
};
struct Recorder {
  std::vector<Recorded> reports;
  drawlyze::ZipReportCallback callback() {
    return [this](int argument, const drawlyze::ZipReport& r) { reports.push_back({argument, r}); };
  }
  std::vector<int> Statuses() const {
    std::vector<int> s;
    for (const auto& r : reports) s.push_back(r.report.status);
    return s;
  }
};

}  // namespace ziptest
