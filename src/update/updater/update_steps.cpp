#include "update/updater/update_steps.h"

#include <algorithm>

namespace drawlyze::updater {

std::string ReferenceOf(const std::string& url) {
  if (url.size() < 8) return url;
  // Just after "http://" (the 8th character), or after the "://" of a longer scheme such as https.
  const auto scheme = url.find("://");
  const auto slash = url.find('/', scheme == std::string::npos ? 7 : std::max<std::size_t>(scheme + 3, 7));
  return slash == std::string::npos ? url : url.substr(0, slash);
}

std::string ArchiveUrl(const std::string& url, const std::string& archiveName) {
  return !url.empty() && url.back() == '/' ? url + archiveName : url;
}

std::string DownloadName(const std::string& url) {
  std::string path = url.substr(0, url.find_first_of("?#"));
  const auto scheme = path.find("://");
  if (scheme != std::string::npos) path.erase(0, scheme + 3);
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return "the download";  // a host alone
  std::string name = path.substr(slash + 1);
  for (char& c : name)
    if (static_cast<unsigned char>(c) < 32 || c == 127) c = '?';
  return name.empty() ? "the download" : name;
}

std::string ChooseMember(const std::vector<std::string>& names) {
  std::string chosen;
  for (const std::string& name : names)
    if (name.find("loto") != std::string::npos) chosen = name;
  return chosen;
}

std::string BackupName(const std::string& drawName, const std::function<bool(const std::string&)>& exists) {
  std::string candidate = drawName + ".bak";
  for (int n = 1; n <= 9999 && exists(candidate); ++n) candidate = drawName + "[" + std::to_string(n) + "].bak";
  return candidate;
}

}  // namespace drawlyze::updater
