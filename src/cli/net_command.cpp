// drawlyze-cli get URL OUTFILE | update URL [--mask M] [--folder DIR]
#include <QBuffer>
#include <QCoreApplication>
#include <QSaveFile>
#include <memory>
#include <ostream>

#include "cli/cli.h"
#include "platform/data_folder.h"
#include "update/http/http_cli.h"
#include "update/updater/run_update.h"

namespace drawlyze::cli {
namespace {

// The client waits in an event loop, which needs an application object.
std::unique_ptr<QCoreApplication> EnsureApplication() {
  if (QCoreApplication::instance()) return nullptr;
  static int argc = 1;
  static char name[] = "drawlyze-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace

int RunGetCommand(Context& ctx) {
  if (ctx.args.size() != 2 || ctx.args[1].empty()) {
    ctx.err << "usage: drawlyze-cli get URL OUTFILE\n";
    return kUsage;
  }
  const auto app = EnsureApplication();
  http::THttpCli cli;
  QBuffer body;
  body.open(QIODevice::ReadWrite);
  cli.URL = ctx.args[0];
  cli.ReceiveStream = &body;
  try {
    cli.Get();
  } catch (const http::EHttpException& e) {
    ctx.err << "drawlyze-cli: get: " << ctx.args[0] << ": " << e.Reason() << " (status " << e.Status() << ")\n";
    return kFailure;
  }
  // Written whole or not at all.
  QSaveFile out(QString::fromStdString(ctx.args[1]));
  if (!out.open(QIODevice::WriteOnly) || out.write(body.data()) != body.size() || !out.commit()) {
    ctx.err << "drawlyze-cli: get: cannot write " << ctx.args[1] << '\n';
    return kFailure;
  }
  ctx.err << body.size() << " bytes saved to " << ctx.args[1] << '\n';
  return kOk;
}

int RunUpdateCommand(Context& ctx) {
  if (ctx.args.size() != 1) {
    ctx.err << "usage: drawlyze-cli update URL [--mask MASK] [--folder DIR]\n";
    return kUsage;
  }
  const auto app = EnsureApplication();
  updater::UpdateSettings settings;
  settings.url = ctx.args[0];
  if (ctx.options.mask) settings.mask = *ctx.options.mask;
  settings.folder = ctx.options.folder ? *ctx.options.folder : platform::DataFolder();
  settings.drawName = DrawFileName();

  updater::UpdateCallbacks callbacks;
  // The archive's members, as the Updater's list shows them.
  callbacks.onArchiveEntry = [&](int, const ZipReport& r) {
    if (r.status != kZipStatusEnd) ctx.out << r.name << '\n';
  };
  callbacks.showMessage = [&](const std::string& text) { ctx.err << text << '\n'; };
  callbacks.loadDrawFile = [&](const std::string& path) {
    ctx.options.file = path;
    DrawHistory history;
    if (LoadHistory(ctx, history)) ctx.err << history.Count() << " draws loaded from " << path << '\n';
  };
  const updater::UpdateResult result = updater::RunUpdate(settings, callbacks);
  if (!result.installed) return kFailure;
  ctx.err << result.chosen << " installed as " << settings.drawName;
  if (!result.backupName.empty()) ctx.err << ", the previous draw file kept as " << result.backupName;
  ctx.err << '\n';
  return kOk;
}

}  // namespace drawlyze::cli
