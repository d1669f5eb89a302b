#include "update/updater/run_update.h"

#include <QBuffer>
#include <QCoreApplication>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "update/http/http_cli.h"
#include "update/updater/update_steps.h"

namespace drawlyze::updater {

namespace fs = std::filesystem;

namespace {

// A stored member name ("\" separators) as a path below the folder.
fs::path MemberPath(const fs::path& folder, std::string name) {
#ifndef _WIN32
  for (char& c : name)
    if (c == '\\') c = '/';
#endif
  return folder / name;
}

bool Exists(const fs::path& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

bool SaveFile(const fs::path& path, const QByteArray& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.constData(), bytes.size());
  out.close();
  return static_cast<bool>(out);
}

// The download's failure as the user reads it.
std::string DownloadFailure(const http::THttpCli& cli, const http::EHttpException& e) {
  if (cli.StatusCode() >= 400 && e.Status() == cli.StatusCode())
    return "the server answered " + std::to_string(e.Status()) + " " + e.Reason();
  return e.Reason();
}

class Update {
 public:
  Update(const UpdateSettings& settings, const UpdateCallbacks& callbacks)
      : s_(settings), cb_(callbacks), folder_(settings.folder), archive_(folder_ / kTempArchiveName) {}

  UpdateResult Run() {
    if (cb_.clearList) cb_.clearList();
    if (Download() && List() && Extract() && Install()) {
      result_.installed = true;
      if (cb_.loadDrawFile) cb_.loadDrawFile((folder_ / s_.drawName).string());
    }
    return result_;
  }

 private:
  bool Fail(const std::string& why) {
    std::error_code ec;
    fs::remove(archive_, ec);
    result_.failure = "Error - update failed: " + why;
    if (cb_.showMessage) cb_.showMessage(result_.failure);
    return false;
  }

  bool Download() {
    http::THttpCli cli;
    QBuffer stream;
    stream.open(QIODevice::ReadWrite);
    cli.URL = s_.url;
    cli.Reference = ReferenceOf(s_.url);
    cli.ReceiveStream = &stream;
    cli.TimeoutMs = s_.timeoutMs;
    try {
      cli.Get();
    } catch (const http::EHttpException& e) {
      return Fail(DownloadFailure(cli, e));
    }
    if (!SaveFile(archive_, stream.data()))
      return Fail(std::string(kTempArchiveName) + " cannot be written in " + folder_.string());
    return true;
  }

  bool List() {
    const int count = ZipList(archive_.string(), "*.*", [this](int arg, const ZipReport& report) {
      if (report.status != kZipStatusEnd) result_.members.push_back(report.name);
      if (cb_.onArchiveEntry) cb_.onArchiveEntry(arg, report);
    });
    if (count < 0) return Fail("the download from " + s_.url + " is not a readable archive: " + ZipErrorText(count));
    result_.chosen = ChooseMember(result_.members);
    if (result_.chosen.empty()) return Fail("the archive holds no file whose name contains \"loto\"");
    return true;
  }

  bool Extract() {
    bool extracted = false;
    int memberError = 0;
    ZipOptions options;
    options.processEvents = cb_.processEvents;
    if (!options.processEvents && QCoreApplication::instance())
      options.processEvents = [] { QCoreApplication::processEvents(); };
    options.escapeHeld = cb_.escapeHeld;
    const int count = ZipExtract(
        archive_.string(), folder_.string(), s_.mask,
        [&](int arg, const ZipReport& report) {
          if (report.name != result_.chosen) return;
          if (report.status == kZipStatusExtracted) extracted = true;
          if (report.status == kZipStatusFailed) memberError = arg;
          if (arg == kZipStopped) memberError = report.status;
        },
        options);
    if (extracted) return true;
    if (!ZipMatchMask(result_.chosen, s_.mask))
      return Fail(result_.chosen + " does not match the mask \"" + s_.mask + "\" and was not extracted");
    const int code = memberError != 0 ? memberError : count < 0 ? count : 0;
    return Fail(result_.chosen + " could not be extracted" + (code != 0 ? ": " + ZipErrorText(code) : ""));
  }

  bool Install() {
    const fs::path draw = folder_ / s_.drawName;
    const fs::path member = MemberPath(folder_, result_.chosen);
    std::error_code ec;
    fs::path backup;
    if (Exists(draw)) {
      result_.backupName = BackupName(s_.drawName, [this](const std::string& name) { return Exists(folder_ / name); });
      backup = folder_ / result_.backupName;
      if (Exists(backup) || (fs::rename(draw, backup, ec), ec)) {
        result_.backupName.clear();
        return Fail(s_.drawName + " could not be kept as a backup; it stays in place");
      }
    }
    fs::rename(member, draw, ec);
    if (ec) {
      std::error_code restore;
      if (!backup.empty()) fs::rename(backup, draw, restore);
      result_.backupName.clear();
      return Fail(result_.chosen + " could not be renamed to " + s_.drawName);
    }
    fs::remove(archive_, ec);
    // The new draw file carries the time of the update, not the archive's.
    fs::last_write_time(draw, fs::file_time_type::clock::now(), ec);
    return true;
  }

  const UpdateSettings& s_;
  const UpdateCallbacks& cb_;
  const fs::path folder_;
  const fs::path archive_;
  UpdateResult result_;
};

}  // namespace

std::string DefaultResultsDirectory() {
  std::string dir = qEnvironmentVariable("DRAWLYZE_RESULTS_DIR").toStdString();
  if (dir.empty()) return "https://drawlyze.github.io/results/";
  if (dir.back() != '/') dir += '/';
  return dir;
}

UpdateResult RunUpdate(const UpdateSettings& settings, const UpdateCallbacks& callbacks) {
  return Update(settings, callbacks).Run();
}

}  // namespace drawlyze::updater
