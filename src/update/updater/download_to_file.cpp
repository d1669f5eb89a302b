#include "update/updater/download_to_file.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFile>

#include "update/http/download_error.h"
#include "update/http/http_cli.h"
#include "update/updater/install_files.h"
#include "update/updater/update_steps.h"

namespace drawlyze::updater {

std::function<bool()> ConversionStop(const UpdateCallbacks& callbacks) {
  return [&callbacks] {
    if (callbacks.processEvents)
      callbacks.processEvents();
    else if (QCoreApplication::instance())
      QCoreApplication::processEvents();
    return (callbacks.stop && callbacks.stop->Requested()) || (callbacks.escapeHeld && callbacks.escapeHeld());
  };
}

std::optional<DownloadFailure> DownloadToFile(const std::string& url, const std::string& path,
                                              const UpdateSettings& settings, UpdateStop* stop,
                                              const std::function<bool()>& stopRequested) {
  const int fd = CreateFreshFile(path);
  QFile file;
  if (fd < 0 || !file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
    if (fd >= 0) ::close(fd);
    return DownloadFailure{DownloadStep::Create, {ErrorKind::CannotWrite, path, {}}};
  }
  if (stopRequested()) return DownloadFailure{DownloadStep::Stopped, {ErrorKind::Stopped, "", {}}};
  http::THttpCli cli;
  cli.URL = url;
  cli.Reference = ReferenceOf(url);
  cli.ReceiveStream = &file;
  cli.TimeoutMs = settings.timeoutMs;
  cli.DeadlineMs = settings.deadlineMs;
  cli.MaxBodySize = settings.maxDownloadBytes;
  // Close or Escape in the window ends the download at once.
  struct Abortable {
    UpdateStop* stop;
    ~Abortable() {
      if (stop) stop->WhileDownloading({});
    }
  } abortable{stop};
  if (stop) stop->WhileDownloading([&cli] { cli.Abort(); });
  try {
    cli.Get();
  } catch (const http::EHttpException& e) {
    return DownloadFailure{DownloadStep::Transfer, http::DownloadError(cli, e, url)};
  }
  file.close();
  if (file.error() != QFileDevice::NoError)
    return DownloadFailure{DownloadStep::Finish, {ErrorKind::CannotWrite, path, {}}};
  return std::nullopt;
}

}  // namespace drawlyze::updater
