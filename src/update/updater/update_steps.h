#pragma once
// The small decisions of an update, each on its own so that tests can name
// the exact case: the referring page, the member that becomes the draw file,
// and the next free backup name.

#include <functional>
#include <string>
#include <vector>

namespace drawlyze::updater {

// The URL's scheme and host: the text before the first "/" from the 8th
// character on (just after "http://", or after the "://" of a longer scheme);
// the whole URL when there is none or the URL is shorter than 8 characters.
std::string ReferenceOf(const std::string& url);

// The address to download: a results directory (an address ending in "/")
// with the archive's name appended, any other address as it stands.
std::string ArchiveUrl(const std::string& url, const std::string& archiveName);

// The file name an address ends with, for messages ("rows.csv" of
// ".../rows.csv?accessType=DOWNLOAD"); "the download" when it names none.
std::string DownloadName(const std::string& url);

// The last name that contains "loto" (case-sensitive); empty when none does.
std::string ChooseMember(const std::vector<std::string>& names);

// "3x10.txt.bak", else "3x10.txt[1].bak", "3x10.txt[2].bak", ... up to
// [9999]: the first name for which `exists` is false, or the last one tried.
std::string BackupName(const std::string& drawName, const std::function<bool(const std::string&)>& exists);

}  // namespace drawlyze::updater
