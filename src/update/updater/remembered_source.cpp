#include "update/updater/remembered_source.h"

#include <filesystem>
#include <system_error>

#include "core/files/whole_file.h"

namespace drawlyze::updater {

namespace fs = std::filesystem;

std::string RememberedSourcePath(const std::string& folder, const std::string& drawName) {
  return (fs::path(folder) / (drawName + ".source")).string();
}

bool RememberSource(const std::string& folder, const std::string& drawName, const std::string& name) {
  const std::string path = RememberedSourcePath(folder, drawName);
  const std::string part = path + ".part";
  std::error_code ec;
  fs::remove(part, ec);
  if (!WriteFreshFile(part, name + "\n")) return false;
  fs::rename(part, path, ec);
  if (ec) fs::remove(part, ec);
  return !ec;
}

std::optional<CatalogueSource> RememberedSource(const std::string& folder, const std::string& drawName) {
  std::string text;
  const std::string path = RememberedSourcePath(folder, drawName);
  std::error_code ec;
  if (folder.empty() || !fs::is_regular_file(path, ec) || fs::file_size(path, ec) > 256 || !ReadWholeFile(path, text))
    return std::nullopt;
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  return FindSource(text);
}

}  // namespace drawlyze::updater
