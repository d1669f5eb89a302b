// drawlyze-cli zip list ARCHIVE [MASK] | zip extract ARCHIVE FOLDER [MASK]
#include <algorithm>
#include <filesystem>
#include <ostream>

#include "cli/cli.h"
#include "update/zip/zip.h"

namespace drawlyze::cli {

namespace {

// The length of the well-formed UTF-8 sequence at text[at], 0 when there is none.
std::size_t Utf8Length(const std::string& text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
  const unsigned b = byte(at);
  const auto tail = [&](std::size_t i, unsigned low, unsigned high) { return byte(i) >= low && byte(i) <= high; };
  if (b < 0x80) return 1;
  if (b >= 0xC2 && b <= 0xDF) return tail(at + 1, 0x80, 0xBF) ? 2 : 0;
  if (b >= 0xE0 && b <= 0xEF) {
    const unsigned low = b == 0xE0 ? 0xA0 : 0x80, high = b == 0xED ? 0x9F : 0xBF;
    return tail(at + 1, low, high) && tail(at + 2, 0x80, 0xBF) ? 3 : 0;
  }
  if (b >= 0xF0 && b <= 0xF4) {
    const unsigned low = b == 0xF0 ? 0x90 : 0x80, high = b == 0xF4 ? 0x8F : 0xBF;
    return tail(at + 1, low, high) && tail(at + 2, 0x80, 0xBF) && tail(at + 3, 0x80, 0xBF) ? 4 : 0;
  }
  return 0;
}

void AppendEscaped(std::string& out, unsigned char byte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 15];
}

}  // namespace

std::string EscapeControls(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const auto b = static_cast<unsigned char>(text[at]);
    const std::size_t length = Utf8Length(text, at);
    // C1 controls (U+0080..U+009F) are the bytes C2 80..C2 9F.
    const bool c1 = length == 2 && b == 0xC2 && static_cast<unsigned char>(text[at + 1]) <= 0x9F;
    if (length == 0 || b < 0x20 || b == 0x7F || c1) {
      for (std::size_t i = 0; i < std::max<std::size_t>(length, 1); ++i)
        AppendEscaped(out, static_cast<unsigned char>(text[at + i]));
      at += std::max<std::size_t>(length, 1);
      continue;
    }
    out.append(text, at, length);
    at += length;
  }
  return out;
}

namespace {

constexpr const char* kZipUsage = "usage: drawlyze-cli zip list ARCHIVE [MASK] | zip extract ARCHIVE FOLDER [MASK]\n";

void PrintReport(std::ostream& out, const ZipReport& r) {
  out << r.status << '\t' << EscapeControls(r.name) << '\t' << r.size << '\t' << r.compressedSize << '\t' << r.method
      << '\t' << static_cast<int>(r.ratio) << "%\n";
}

int PrintError(Context& ctx, int code) {
  ctx.err << "drawlyze-cli: zip: error " << code << ": " << ZipErrorText(code) << '\n';
  return kFailure;
}

// An archive is read only from a regular file: a FIFO or a device would
// block or never end.
bool CheckArchiveFile(Context& ctx, const std::string& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status) || std::filesystem::is_regular_file(status)) return true;
  ctx.err << "drawlyze-cli: zip: " << EscapeControls(path) << " is not a regular file\n";
  return false;
}

int List(Context& ctx) {
  if (ctx.args.size() < 2 || ctx.args.size() > 3 || ctx.args[1].empty()) {
    ctx.err << kZipUsage;
    return kUsage;
  }
  if (!CheckArchiveFile(ctx, ctx.args[1])) return kFailure;
  const std::string mask = ctx.args.size() > 2 ? ctx.args[2] : "*.*";
  const int result = ZipList(ctx.args[1], mask, [&](int, const ZipReport& r) { PrintReport(ctx.out, r); });
  return result < 0 ? PrintError(ctx, result) : kOk;
}

int Extract(Context& ctx) {
  if (ctx.args.size() < 3 || ctx.args.size() > 4 || ctx.args[1].empty() || ctx.args[2].empty()) {
    ctx.err << kZipUsage;
    return kUsage;
  }
  if (!CheckArchiveFile(ctx, ctx.args[1])) return kFailure;
  const std::string mask = ctx.args.size() > 3 ? ctx.args[3] : "*.*";
  int failed = 0;
  const int result = ZipExtract(ctx.args[1], ctx.args[2], mask, [&](int argument, const ZipReport& r) {
    if (r.status == kZipStatusFailed) {
      ++failed;
      ctx.err << "drawlyze-cli: zip: " << EscapeControls(r.name) << ": error " << argument << ": "
              << ZipErrorText(argument) << '\n';
    }
  });
  if (result < 0) return PrintError(ctx, result);
  ctx.out << result << (result == 1 ? " member" : " members") << " extracted\n";
  return failed > 0 ? kFailure : kOk;
}

}  // namespace

int RunZipCommand(Context& ctx) {
  const std::string sub = ctx.args.empty() ? "" : ctx.args[0];
  if (sub == "list") return List(ctx);
  if (sub == "extract") return Extract(ctx);
  ctx.err << kZipUsage;
  return kUsage;
}

}  // namespace drawlyze::cli
