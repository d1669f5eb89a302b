#include "update/updater/source_update.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <filesystem>
#include <optional>
#include <system_error>

#include "core/files/whole_file.h"
#include "core/import/import_to_draw_file.h"
#include "update/http/download_error.h"
#include "update/http/http_cli.h"
#include "update/http/http_url.h"
#include "update/updater/download_to_file.h"
#include "update/updater/install_files.h"
#include "update/updater/update_steps.h"

namespace drawlyze::updater {

namespace fs = std::filesystem;
// (A line may not begin with "import::": clang-format reads it as a module import.)
using ImportedInput = import::ImportedInput;
using DrawTime = import::DrawTime;
using StopCheck = import::StopCheck;

namespace {

class SourceUpdate {
 public:
  SourceUpdate(const CatalogueSource& source, const UpdateSettings& settings, const UpdateCallbacks& callbacks)
      : src_(source), s_(settings), cb_(callbacks) {}

  UpdateResult Run() {
    result_.fromExport = true;
    result_.chosen = src_.name;
    if (cb_.clearList) cb_.clearList();
    if (s_.folder.empty() && !Fail(ErrorKind::CannotWrite, "", "there is no data folder to install the draw file in"))
      return result_;
    if (!FetchAndMerge()) return result_;
    // The merged history stands where a download would, as a draw file, and
    // is installed as one: checked against the current file, kept, renamed.
    UpdateSettings install = s_;
    install.url = "catalogue/" + src_.name;  // messages name the source
    UpdateCallbacks quiet = cb_;
    quiet.clearList = nullptr;
    quiet.onArchiveEntry = nullptr;
    std::vector<std::string> summary = std::move(result_.importSummary);
    std::vector<std::string> members = std::move(result_.members);
    result_ = InstallDownloadedArchive(install, quiet);
    result_.importSummary = std::move(summary);
    result_.members = std::move(members);
    result_.chosen = src_.name;
    result_.fromExport = true;
    return result_;
  }

 private:
  bool StopRequested() const { return cb_.stop && cb_.stop->Requested(); }

  bool Fail(Error why) {
    result_.stopped = StopRequested();
    if (result_.stopped) why = {ErrorKind::Stopped, "", "the update was stopped"};
    result_.failure = std::move(why);
    if (!result_.stopped && cb_.showFailure) cb_.showFailure(*result_.failure);
    return false;
  }
  // The subject names the source, or the part that failed.
  bool Fail(ErrorKind kind, const std::string& subject, const std::string& why) { return Fail({kind, subject, why}); }

  std::string PartName(std::size_t k, std::size_t count, const std::string& url) const {
    std::string name = src_.title + " (" + src_.name + ")";
    if (count > 1) name += ", part " + std::to_string(k + 1) + " of " + std::to_string(count);
    return name + " (" + DownloadName(url) + (src_.PerYear() ? " " + YearOf(url) : "") + ")";
  }

  static std::string YearOf(const std::string& url) {
    const std::size_t at = url.rfind("y=");
    return at == std::string::npos ? std::string() : url.substr(at + 2, 4);
  }

  bool FetchAndMerge() {
    const std::vector<std::string> urls = PartUrls(src_, CurrentYear());
    std::vector<import::ImportedInput> inputs;
    FolderLock lock(s_.folder);
    if (!lock.Ok()) return Fail(lock.Failure());
    StagingFolder staging(s_.folder);
    if (!staging.Ok()) return Fail(ErrorKind::CannotWrite, s_.folder, "no working folder can be made in this folder");
    for (std::size_t k = 0; k < urls.size(); ++k) {
      const std::string name = PartName(k, urls.size(), urls[k]);
      std::string text;
      if (std::optional<Error> failed = Fetch(urls[k], staging / ("part" + std::to_string(k)), text))
        return Fail(failed->kind, name, ErrorText(*failed).substr(8));  // without its "Error - "
      const std::string file = DownloadName(urls[k]) + (src_.PerYear() ? " " + YearOf(urls[k]) : "");
      result_.members.push_back(file);
      if (cb_.onArchiveEntry) {
        ZipReport listed;
        listed.name = file;
        listed.status = kZipStatusListed;
        cb_.onArchiveEntry(0, listed);
      }
      ImportedInput input = import::ReadInput(file, text, src_.choice, ConversionStop(), src_.json);
      text = std::string();
      if (input.failure && input.failure->kind == ErrorKind::Stopped) return Fail(*input.failure);
      if (input.failure) return Fail(input.failure->kind, name, input.failure->detail);
      if (input.kind == import::InputKind::Csv && input.table.Rows() > 0 && !input.mapping.Ready())
        return Fail(ErrorKind::Unreadable, name, "the columns are unclear: " + input.mapping.problem);
      if (input.kind == import::InputKind::Csv && input.table.Rows() > 0 && !input.mapping.HasDate())
        return Fail(ErrorKind::Unreadable, name, "no column holds dates");
      const DrawTime time = PartTime(urls[k]);
      if (time != DrawTime::Unknown)
        for (import::ImportedDraw& d : input.draws) d.time = time;
      inputs.push_back(std::move(input));
    }
    // The rest of the import road: merge, summary, size check, format.
    const import::ImportRun run = import::ImportToDrawFile(std::move(inputs), {.stop = ConversionStop()});
    const import::MergedHistory& merged = run.merged;
    result_.importSummary = import::SummaryLines(run.summary);
    if (run.status == import::ImportStatus::Stopped) return Fail(ErrorKind::Stopped, "", "the update was stopped");
    if (merged.draws.empty())
      return Fail(ErrorKind::Unreadable, src_.title + " (" + src_.name + ")", "no readable draw");
    if (const Status size = import::CheckDrawFileSize(merged.draws); !size)
      return Fail(ErrorKind::TooLarge, src_.name, size.Failure().detail);
    if (StopRequested()) return Fail(ErrorKind::Stopped, "", "the update was stopped");
    const std::string merged_path = staging / "merged";
    std::error_code ec;
    if (!WriteFreshFile(merged_path, run.drawFile.empty() ? import::FormatDrawFile(merged.draws) : run.drawFile) ||
        (fs::rename(merged_path, fs::path(s_.folder) / kTempArchiveName, ec), ec))
      return Fail(ErrorKind::CannotWrite, (fs::path(s_.folder) / kTempArchiveName).string(), "");
    return true;
  }

  // The draw a part's rows all are: the part's own, when its file holds one draw time.
  DrawTime PartTime(const std::string& url) const {
    for (const SourcePart& part : src_.parts) {
      const std::size_t at = part.url.find("{year}");
      const bool same = at == std::string::npos ? url == part.url : url.compare(0, at, part.url, 0, at) == 0;
      if (same) return part.time;
    }
    return DrawTime::Unknown;
  }

  StopCheck ConversionStop() const { return updater::ConversionStop(cb_); }

  // The body of url into a fresh file at path, then its text; why, when it failed.
  std::optional<Error> Fetch(const std::string& url, const std::string& path, std::string& text) {
    if (std::optional<DownloadFailure> failed =
            DownloadToFile(url, path, s_, cb_.stop, [this] { return StopRequested(); })) {
      if (failed->step == DownloadStep::Stopped) return Error{ErrorKind::Stopped, "", "the update was stopped"};
      return std::move(failed->error);
    }
    if (!ReadWholeFile(path, text)) return Error{ErrorKind::CannotRead, path, "after its download"};
    std::error_code ec;
    fs::remove(path, ec);
    return std::nullopt;
  }

  const CatalogueSource& src_;
  const UpdateSettings& s_;
  const UpdateCallbacks& cb_;
  UpdateResult result_;
};

}  // namespace

UpdateResult RunSourceUpdate(const CatalogueSource& source, const UpdateSettings& settings,
                             const UpdateCallbacks& callbacks) {
  return SourceUpdate(source, settings, callbacks).Run();
}

}  // namespace drawlyze::updater
