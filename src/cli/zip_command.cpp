// drawlyze-cli zip list ARCHIVE [MASK] | zip extract ARCHIVE FOLDER [MASK]
#include <algorithm>
#include <filesystem>
#include <ostream>

#include "cli/cli.h"
#include "update/zip/zip.h"

namespace drawlyze::cli {

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
