#include "update/zip/directory_walk.h"

namespace drawlyze::zip {

ZipReport EntryReport(const ZipDirectory& dir, int status, bool isFolder) {
  ZipReport r;
  r.name = dir.name;
  r.time = static_cast<std::int32_t>(dir.time);
  r.size = static_cast<std::int32_t>(dir.size);
  r.compressedSize = static_cast<std::int32_t>(dir.compressedSize);
  r.attributes = dir.attributes;
  r.method = dir.method;
  r.ratio = ZipRatio(r.size, r.compressedSize);
  r.status = status;
  r.isFolder = isFolder;
  return r;
}

ZipReport ReportTotals::Summary(const std::string& archivePath, int status) const {
  ZipReport r;
  r.name = archivePath;
  r.time = -1;
  r.size = static_cast<std::int32_t>(size);
  r.compressedSize = static_cast<std::int32_t>(compressedSize);
  r.attributes = -1;
  r.method = 0;
  r.ratio = ZipRatio(r.size, r.compressedSize);
  r.status = status;
  return r;
}

int RewindDirectory(ZipDirectory& dir) {
  dir.position = 0;
  return ZipNextEntry(dir);
}

}  // namespace drawlyze::zip
