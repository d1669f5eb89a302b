#include "update/updater/run_update.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#include "core/files/whole_file.h"
#include "core/history/draw_history.h"
#include "core/import/import_to_draw_file.h"
#include "update/http/download_error.h"
#include "update/http/http_cli.h"
#include "update/updater/candidate_check.h"
#include "update/updater/download_to_file.h"
#include "update/updater/install_files.h"
#include "update/updater/remembered_source.h"
#include "update/updater/source_update.h"
#include "update/updater/update_steps.h"

namespace drawlyze::updater {

namespace fs = std::filesystem;

namespace {

class Update {
 public:
  Update(const UpdateSettings& settings, const UpdateCallbacks& callbacks)
      : s_(settings),
        cb_(callbacks),
        folder_(settings.folder),
        archive_(folder_ / kTempArchiveName),
        draw_(folder_ / settings.drawName) {}

  UpdateResult Run(bool download) {
    if (cb_.clearList) cb_.clearList();
    if (!MakeStaging() || (download && !Download())) return result_;
    const bool candidate = IsArchive() ? List() && Extract() : ConvertExport();
    if (!candidate || !Check() || !Install()) return result_;
    result_.installed = true;
    if (cb_.loadDrawFile) cb_.loadDrawFile(draw_.string());
    return result_;
  }

 private:
  void Step(std::string_view step) {
    if (cb_.onStep) cb_.onStep(step);
  }

  bool StopRequested() const { return cb_.stop && cb_.stop->Requested(); }

  // Leaves the folder as it was: the working folder and "temp.zip" go.
  bool Fail(Error why, bool show = true) {
    if (StopRequested()) {  // the window asked for it: nobody needs to read why
      result_.stopped = true;
      show = false;
    }
    staging_.reset();
    std::error_code ec;
    if (lock_ && lock_->Ok()) fs::remove(archive_, ec);  // another update's download is its own
    result_.failure = std::move(why);
    if (show && cb_.showFailure) cb_.showFailure(*result_.failure);
    return false;
  }

  // What the update fetched, as messages name it: no password, and an
  // archive's name added to a results directory's address said so.
  std::string Address() const { return http::WithoutUserInfo(url_); }
  std::string AddressNote() const {
    return url_ == s_.url ? std::string()
                          : std::string(" (") + kArchiveName + " was added to the address, which ends in \"/\")";
  }
  Error Stopped() const { return {ErrorKind::Stopped, "", "the update was stopped"}; }
  Error DownloadUnreadable(const std::string& why) const {
    return {ErrorKind::Unreadable, Address(), why + AddressNote()};
  }
  Error Unreadable(const std::string& why) const { return {ErrorKind::Unreadable, result_.chosen, why}; }

  bool MakeStaging() {
    // No home to keep the draw file in: nothing is written under "/" or the current folder.
    if (folder_.empty())
      return Fail({ErrorKind::CannotWrite, "", "there is no data folder to install the draw file in"});
    lock_.emplace(folder_.string());
    if (!lock_->Ok()) return Fail(lock_->Failure());
    staging_.emplace(folder_.string());
    if (!staging_->Ok())
      return Fail({ErrorKind::CannotWrite, folder_.string(), "no working folder can be made in this folder"});
    Step("working folder made");
    return true;
  }

  // The body goes straight to a fresh file in the working folder, which then
  // replaces "temp.zip" whole (a link of that name is replaced, never followed).
  bool Download() {
    const std::string part = *staging_ / "download";
    if (std::optional<DownloadFailure> failed =
            DownloadToFile(url_, part, s_, cb_.stop, [this] { return StopRequested(); })) {
      switch (failed->step) {
        case DownloadStep::Create:
        case DownloadStep::Finish:
          return Fail({ErrorKind::CannotWrite, archive_.string(), {}});
        case DownloadStep::Stopped:
          return Fail(Stopped());
        case DownloadStep::Transfer:
          if (StopRequested()) return Fail({ErrorKind::Stopped, "", "the download was stopped"});
          failed->error.detail += AddressNote();
          return Fail(std::move(failed->error));
      }
    }
    std::error_code ec;
    if ((fs::rename(part, archive_, ec), ec)) return Fail({ErrorKind::CannotWrite, archive_.string(), {}});
    Step("archive saved");
    return true;
  }

  // A ZIP archive starts with a local header, or has one behind a prefix (a
  // self-extracting archive); anything else may be a results export.
  bool IsArchive() const {
    char head[2] = {};
    QFile file(QString::fromStdString(archive_.string()));
    if (file.open(QIODevice::ReadOnly) && file.read(head, 2) == 2 && head[0] == 'P' && head[1] == 'K') return true;
    return ZipIsArchive(archive_.string());
  }

  // A results export (CSV, or a draw file) through the importer with the
  // columns it proposes; the history it gives is the candidate, every draw of
  // it (the loader keeps the newest MAX_DRAWS).
  bool ConvertExport() {
    result_.fromExport = true;
    result_.chosen = DownloadName(url_);
    result_.members = {result_.chosen};
    if (cb_.onArchiveEntry) {
      ZipReport listed;
      listed.name = result_.chosen;
      listed.status = kZipStatusListed;
      cb_.onArchiveEntry(0, listed);
    }
    std::error_code ec;
    const std::uint64_t bytes = fs::file_size(archive_, ec);
    if (ec || bytes > kMaxDrawFileBytes)
      return Fail({ErrorKind::TooLarge, "", JudgeCandidate(result_.chosen, bytes, {}, std::nullopt).reason});
    import::ImportOptions options;
    options.stop = ConversionStop();
    const import::ImportRun run = import::ImportToDrawFile(
        {result_.chosen},
        [this](const std::string&, std::string& text) { return ReadWholeFile(archive_.string(), text); }, options);
    if (run.status == import::ImportStatus::NotRead)
      return Fail({ErrorKind::CannotRead, archive_.string(), "after the download of " + result_.chosen});
    if (run.status == import::ImportStatus::Stopped) return Fail(Stopped());
    const import::ImportedInput& input = run.inputs.back();
    const std::string neither = "the download is neither a ZIP archive nor a results export";
    if (input.kind == import::InputKind::Binary) return Fail(DownloadUnreadable(neither + " (binary data)"));
    if (run.status == import::ImportStatus::Failed)
      return Fail({run.failure->kind, result_.chosen, run.failure->detail});
    if (input.kind != import::InputKind::DrawFile && (input.table.Rows() == 0 || !input.mapping.HasDate()))
      return Fail(
          DownloadUnreadable(neither + " (" + (input.table.Rows() == 0 ? "no rows" : "no column holds dates") + ")"));
    if (run.status == import::ImportStatus::Unclear)
      return Fail(Unreadable("the columns are unclear: " + input.mapping.problem + "; " +
                             ChoiceHint(input.mapping.needs, Address(), result_.chosen)));
    result_.importSummary = import::SummaryLines(run.summary);
    if (run.status == import::ImportStatus::NoDraws) {
      std::string why = "it holds no readable draw";
      if (!input.skipped.empty())
        why += " (" + std::to_string(input.skipped.size()) + " rows skipped; line " +
               std::to_string(input.skipped.front().line) + ": " + input.skipped.front().reason + ")";
      return Fail(Unreadable(why));
    }
    if (run.status == import::ImportStatus::TooLarge)
      return Fail({ErrorKind::TooLarge, result_.chosen, run.failure->detail});
    if (StopRequested()) return Fail(Stopped());
    candidate_ = *staging_ / "candidate";
    if (const Status written = WriteFreshFile(candidate_, run.drawFile); !written)
      return Fail({ErrorKind::CannotWrite, folder_.string(),
                   "the draws of " + result_.chosen + " cannot be written here: " + written.Failure().detail});
    Step("export converted");
    return true;
  }

  // Asked by the importer between rows: the window's events (and drawlyze-cli's
  // stop signals, which its event loop passes on) reach the update there.
  // (A line may not begin with "import::": clang-format reads it as a module import.)
  using StopCheck = import::StopCheck;
  StopCheck ConversionStop() const { return updater::ConversionStop(cb_); }

  // The download is gone with the working folder: the hint says how to fetch it.
  static std::string ChoiceHint(import::Choice needs, const std::string& url, const std::string& name) {
    const char* what = needs == import::Choice::DayOrder        ? "whether the day or the month stands first"
                       : needs == import::Choice::ResultColumns ? "the result columns"
                       : needs == import::Choice::DateColumn    ? "the date column"
                                                                : "the columns";
    return std::string("choose ") + what + " in the import window (fetch the file with drawlyze-cli get '" + url +
           "' " + name + ", then open it with Ctrl+O) or with drawlyze-cli import";
  }

  bool List() {
    const int count = ZipList(archive_.string(), "*.*", [this](int arg, const ZipReport& report) {
      if (report.status != kZipStatusEnd) result_.members.push_back(report.name);
      if (cb_.onArchiveEntry) cb_.onArchiveEntry(arg, report);
    });
    if (count < 0) return Fail(DownloadUnreadable("the download is not a readable archive: " + ZipErrorText(count)));
    result_.chosen = ChooseMember(result_.members);
    if (result_.chosen.empty())
      return Fail(DownloadUnreadable("the archive holds no file whose name contains \"loto\""));
    if (!ZipMatchMask(result_.chosen, s_.mask))
      return Fail(Unreadable("it does not match the mask \"" + s_.mask + "\" and was not extracted"));
    return true;
  }

  // Only the chosen member is written, under a fixed name in the working
  // folder: no member can reach the draw file, a backup or any other file.
  bool Extract() {
    std::size_t index = result_.members.size() - 1;
    while (result_.members[index] != result_.chosen) --index;
    ZipDirectory dir;
    int code = ZipOpenDirectory(archive_.string(), dir);
    for (std::size_t k = 0; code == kZipOk && k < index; ++k) code = ZipNextEntry(dir);
    if (code != kZipOk) return Fail(NotExtracted(code));
    const bool folderEntry = !dir.name.empty() && dir.name.back() == '\\';
    const std::int64_t offset = std::int64_t{dir.localHeaderOffset} + dir.offsetShift;
    const ZipEntrySizes sizes{dir.compressedSize, dir.size};
    ZipCloseDirectory(dir);
    if (folderEntry) return Fail(Unreadable("it is a folder, not a draw file"));
    if (sizes.size > kMaxDrawFileBytes)
      return Fail({ErrorKind::TooLarge, "", JudgeCandidate(result_.chosen, sizes.size, {}, std::nullopt).reason});

    ZipOptions options;
    options.processEvents = cb_.processEvents;
    if (!options.processEvents && QCoreApplication::instance())
      options.processEvents = [] { QCoreApplication::processEvents(); };
    options.escapeHeld = [this] { return StopRequested() || (cb_.escapeHeld && cb_.escapeHeld()); };
    options.unknownSizeLimit = kMaxDrawFileBytes + 1;
    candidate_ = *staging_ / "candidate";
    code = ZipExtractEntry(archive_.string(), candidate_, offset, options, {}, sizes);
    if (code != kZipOk) return Fail(NotExtracted(code));
    Step("member extracted");
    return true;
  }

  Error NotExtracted(int code) const {
    return {code == kZipAborted ? ErrorKind::Stopped : ErrorKind::Unreadable, result_.chosen,
            "it could not be extracted: " + ZipErrorText(code)};
  }

  bool Check() {
    std::error_code ec;
    const std::uint64_t bytes = fs::file_size(candidate_, ec);
    std::string text;
    if (ec || (bytes <= kMaxDrawFileBytes && !ReadWholeFile(candidate_, text)))
      return Fail({ErrorKind::CannotRead, result_.chosen, "after its extraction"});
    const LoadResult load = bytes <= kMaxDrawFileBytes ? ParseDrawFile(text) : LoadResult{};
    text = std::string();
    // The other-game question names both sources: the catalogue's names when known.
    const std::string source =
        "from " + (s_.source ? s_.source->title + " (" + s_.source->name + ")" : http::WithoutUserInfo(url_));
    result_.installedFacts = FactsOf(load, source);
    std::string currentSource;
    if (const std::optional<CatalogueSource> was = RememberedSource(folder_.string(), s_.drawName))
      currentSource = "from " + was->title + " (" + was->name + ")";
    const CandidateDecision d = JudgeReplacement(result_.chosen, bytes, load, source, draw_.string(), currentSource);
    result_.newDraws = d.newDraws;
    if (d.verdict == Verdict::Refuse) return Fail({ErrorKind::Refused, "", d.reason});
    if (d.verdict == Verdict::Ask) {
      if (!cb_.confirmReplace) {
        result_.needsConfirmation = true;
        return Fail({ErrorKind::Refused, "", d.reason + " (" + d.details + "); the current draw file is kept"});
      }
      if (!cb_.confirmReplace(ReplaceQuestion(d))) {
        result_.needsConfirmation = true;
        return Fail({ErrorKind::Refused, "", "the current draw file is kept"}, false);
      }
    }
    if (StopRequested()) return Fail(Stopped());
    Step("new draw file checked");
    // The new draw file carries the time of the update, not the archive's,
    // and is on the disk before it takes the draw file's place.
    fs::last_write_time(candidate_, fs::file_time_type::clock::now(), ec);
    if (!SyncToDisk(candidate_))
      return Fail({ErrorKind::CannotWrite, result_.chosen, "the new draw file could not be flushed to the disk"});
    Step("new draw file flushed");
    return true;
  }

  bool Install() {
    Result<std::string> backup =
        ReplaceDrawFile(candidate_, folder_.string(), s_.drawName, [this](std::string_view step) { Step(step); });
    if (!backup) return Fail(backup.Failure());
    result_.backupName = *backup;
    std::error_code ec;
    staging_.reset();
    Step("working folder removed");
    fs::remove(archive_, ec);
    Step("archive removed");
    return true;
  }

  const UpdateSettings& s_;
  const UpdateCallbacks& cb_;
  const std::string url_ = ArchiveUrl(s_.url, kArchiveName);
  const fs::path folder_;
  const fs::path archive_;
  const fs::path draw_;
  std::optional<FolderLock> lock_;  // released after the working folder has gone
  std::optional<StagingFolder> staging_;
  std::string candidate_;
  UpdateResult result_;
};

}  // namespace

std::string DefaultResultsDirectory() {
  std::string dir = qEnvironmentVariable("DRAWLYZE_RESULTS_DIR").toStdString();
  if (dir.empty()) return "https://drawlyze.github.io/results/";
  if (dir.back() != '/') dir += '/';
  return dir;
}

std::string SuccessMessage(const UpdateResult& result, long long loaded, const std::string& newestDate) {
  std::string text = "Update done: " + std::to_string(loaded) + (loaded == 1 ? " draw" : " draws") + " loaded";
  if (result.installedFacts.draws > loaded)
    text += " (the newest of the " + std::to_string(result.installedFacts.draws) + " in the file)";
  text += newestDate.empty() ? ".\n" : ", the newest drawn on " + newestDate + ".\n";
  if (result.newDraws >= 0)
    text += result.newDraws == 0
                ? "No new draw came.\n"
                : std::to_string(result.newDraws) + (result.newDraws == 1 ? " new draw" : " new draws") + " came.\n";
  text += result.backupName.empty() ? "There was no draw file to keep."
                                    : "The previous draw file is kept as " + result.backupName + ".";
  return text;
}

UpdateResult RunUpdate(const UpdateSettings& settings, const UpdateCallbacks& callbacks) {
  UpdateResult result = settings.source && settings.source->format != SourceFormat::ZipArchive
                            ? RunSourceUpdate(*settings.source, settings, callbacks)
                            : Update(settings, callbacks).Run(true);
  // The history remembers where it came from; one fetched from elsewhere forgets it.
  if (result.installed && settings.source) {
    RememberSource(settings.folder, settings.drawName, settings.source->name);
  } else if (result.installed) {
    std::error_code ec;
    fs::remove(RememberedSourcePath(settings.folder, settings.drawName), ec);
  }
  return result;
}

UpdateResult InstallDownloadedArchive(const UpdateSettings& settings, const UpdateCallbacks& callbacks) {
  return Update(settings, callbacks).Run(false);
}

}  // namespace drawlyze::updater
