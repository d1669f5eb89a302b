#pragma once
// The file side of an extraction: where a member may be written, the
// temporary file that becomes the output only once it checked out, and the
// member's date-time and attributes on the result.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace drawlyze::zip {

// folder + the stored name ("\" separators) with the platform's separators,
// or nothing when the name could write outside folder: absolute, starting
// with a drive prefix, or with a ".." segment. A folder entry keeps its
// trailing separator.
std::optional<std::string> MemberOutputPath(const std::string& folder, const std::string& storedName);

// True when a part of outputPath below folder is a symbolic link already
// there: writing the member would follow it out of the folder. (A link in
// the last place of a file's path is replaced, never followed.)
bool RunsThroughLink(const std::string& folder, const std::string& outputPath);

// An output path as ZipExtractEntry takes it (already in platform form: a
// "\" in a folder's name on this system stays part of that name).
std::filesystem::path PlatformPath(const std::string& outputPath);
// True when the output path names a folder (ends with a separator of this platform).
bool IsFolderPath(const std::string& outputPath);

// A temporary file beside the final one. Dropped (deleted) unless Commit
// renames it into place.
class PendingFile {
 public:
  PendingFile() = default;
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;
  ~PendingFile() { Discard(); }

  // Creates the temporary file in target's folder, creating missing folders.
  bool Create(const std::filesystem::path& target);
  bool Write(const std::uint8_t* data, std::size_t size);
  // Closes the file and renames it to the target; false (file gone) on failure.
  bool Commit();
  void Discard();

 private:
  std::FILE* file_ = nullptr;
  std::filesystem::path temp_;
  std::filesystem::path target_;
};

// Sets the file's modification time to an MS-DOS date-time (local time).
void SetDosTime(const std::filesystem::path& path, std::uint32_t dosTime);
// Read-only (bit 0) is the MS-DOS attribute this platform can show.
void ApplyDosAttributes(const std::filesystem::path& path, std::int32_t attributes);
// Clears a read-only mark so that an existing file can be replaced (a link is
// left alone: the file it points to is not ours).
void MakeWritable(const std::filesystem::path& path);

}  // namespace drawlyze::zip
