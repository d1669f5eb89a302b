// drawlyze-cli get URL OUTFILE | update URL [--mask M] [--folder DIR] [--force]
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/cli.h"
#include "cli/stop_signals.h"
#include "core/files/save_target.h"
#include "core/files/whole_file.h"
#include "platform/data_folder.h"
#include "update/http/download_error.h"
#include "update/http/http_cli.h"
#include "update/http/http_url.h"
#include "update/updater/run_update.h"

namespace drawlyze::cli {
namespace {

namespace fs = std::filesystem;

// The client waits in an event loop, which needs an application object.
std::unique_ptr<QCoreApplication> EnsureApplication() {
  if (QCoreApplication::instance()) return nullptr;
  static int argc = 1;
  static char name[] = "drawlyze-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QCoreApplication>(argc, argv);
}

// The temporary file of a running get, removed when the user stops it: a
// stopped download leaves nothing.
char g_partPath[4096];

void RemovePartAndStop(int sig) {
  if (g_partPath[0]) ::unlink(g_partPath);
  ::signal(sig, SIG_DFL);
  ::raise(sig);
}

// A stopped update ends as the window's Close ends it, the folder left as it
// was; then the process stops by that signal. The handler only notes it; the
// event loop the update runs in passes it on.
volatile std::sig_atomic_t g_updateStopSignal = 0;

void NoteUpdateStop(int sig) { g_updateStopSignal = sig; }

// Where get writes. A regular file (or a new one) is written as a fresh file
// beside it that replaces it only once the whole body is there and flushed;
// a device or a FIFO (/dev/stdout, /dev/null) is written directly, and a
// folder or a socket is refused.
class Output {
 public:
  explicit Output(const std::string& target) : target_(target) {
    const SaveTarget kind = InspectSaveTarget(target);
    if (kind.kind == SaveTargetKind::Replaceable) {
      fd_ = CreateTemporaryBeside(target, ".part", temporary_);
      if (fd_ < 0) failure_ = {ErrorKind::CannotWrite, target, std::strerror(errno)};
    } else if (Result<int> fd = OpenStraightTarget(target, kind); fd) {
      fd_ = *fd;
    } else {
      failure_ = fd.Failure();
    }
    if (fd_ >= 0) file_.open(fd_, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
  }
  ~Output() {
    file_.close();
    if (fd_ >= 0) ::close(fd_);
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
  }
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  QFile* Stream() { return file_.isOpen() ? &file_ : nullptr; }
  const std::string& Temporary() const { return temporary_; }
  // Why there is no stream.
  const Error& Failure() const { return failure_; }

  // Flushes what was written and puts it in place.
  Status Commit() {
    file_.close();
    const bool ok = ::fsync(fd_) == 0 || errno == EINVAL || errno == EROFS;
    const int error = errno;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!ok || !closed) return Error{ErrorKind::CannotWrite, target_, std::strerror(ok ? errno : error)};
    if (temporary_.empty()) return {};
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0)
      return Error{ErrorKind::CannotWrite, target_, std::strerror(errno)};
    temporary_.clear();
    SyncParentFolder(target_);
    return {};
  }

 private:
  std::string target_;
  std::string temporary_;
  Error failure_{ErrorKind::CannotWrite, target_, {}};
  int fd_ = -1;
  QFile file_;
};

}  // namespace

int RunGetCommand(Context& ctx) {
  if (ctx.args.size() != 2 || ctx.args[1].empty()) {
    ctx.err << "usage: drawlyze-cli get URL OUTFILE\n";
    return kUsage;
  }
  const auto app = EnsureApplication();
  // A stop between making the temporary file and arming its removal would
  // leave the file behind: the stop signals wait until both are done.
  sigset_t stopSet, before;
  sigemptyset(&stopSet);
  for (const int sig : kStopSignals) sigaddset(&stopSet, sig);
  ::pthread_sigmask(SIG_BLOCK, &stopSet, &before);
  Output out(ctx.args[1]);
  std::optional<StopHandler> stop;
  if (!out.Temporary().empty() && out.Temporary().size() < sizeof g_partPath) {
    std::memcpy(g_partPath, out.Temporary().c_str(), out.Temporary().size() + 1);
    stop.emplace(RemovePartAndStop);
  }
  ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
  if (!out.Stream()) {
    SayError(ctx, out.Failure());
    return kFailure;
  }
  // The body goes to the file as it arrives: no size limit, no memory held.
  http::THttpCli cli;
  cli.URL = ctx.args[0];
  cli.ReceiveStream = out.Stream();
  try {
    cli.Get();
  } catch (const http::EHttpException& e) {
    // The reason is the server's own text: SayError lets no byte of it reach the terminal as a control.
    SayError(ctx, http::DownloadError(cli, e, ctx.args[0]));
    return kFailure;
  }
  if (const Status committed = out.Commit(); !committed) {
    SayError(ctx, committed.Failure());
    return kFailure;
  }
  ctx.err << cli.RcvdCount() << " bytes saved to " << EscapeControls(ctx.args[1]) << '\n';
  return kOk;
}

int RunUpdateCommand(Context& ctx) {
  if (ctx.args.size() != 1) {
    ctx.err << "usage: drawlyze-cli update URL [--mask MASK] [--folder DIR] [--force]\n";
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
    if (r.status != kZipStatusEnd) ctx.out << EscapeControls(r.name) << '\n';
  };
  callbacks.showFailure = [&](const Error& failure) { SayError(ctx, failure); };
  callbacks.loadDrawFile = [&](const std::string& path) {
    ctx.options.file = path;
    DrawHistory history;
    if (LoadHistory(ctx, history)) ctx.err << history.Count() << " draws loaded from " << path << '\n';
  };
  // Nobody to ask here: an older or shorter draw file is installed only with --force.
  if (ctx.options.force) callbacks.confirmReplace = [](const std::string&) { return true; };
  updater::UpdateStop stop;
  callbacks.stop = &stop;
  updater::UpdateResult result;
  {
    const StopHandler handler(NoteUpdateStop);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&stop] {
      if (g_updateStopSignal != 0 && !stop.Requested()) stop.Request();
    });
    poll.start(50);
    result = updater::RunUpdate(settings, callbacks);
  }
  if (g_updateStopSignal != 0) ::raise(g_updateStopSignal);  // the default action again: it stops the process
  // What the import made of an export helps decide on --force, too.
  for (const std::string& line : result.importSummary) ctx.err << EscapeControls(line) << '\n';
  if (!result.installed) {
    if (result.needsConfirmation) ctx.err << "drawlyze-cli: update: --force installs it all the same\n";
    return kFailure;
  }
  ctx.err << EscapeControls(result.chosen) << " installed as " << settings.drawName;
  if (!result.backupName.empty()) ctx.err << ", the previous draw file kept as " << result.backupName;
  ctx.err << '\n';
  return kOk;
}

}  // namespace drawlyze::cli
