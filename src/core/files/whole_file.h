#pragma once
// Whole-file reads and writes. A write goes to a new file beside the target, is
// flushed to the disk, then renamed over the target in one step and the folder
// flushed too: whatever stops the program, the target holds the old bytes or
// the new ones, never a mixture or nothing.

#include <string>
#include <string_view>

namespace drawlyze {

// Reads a regular file as bytes. False when it is missing, not a regular file
// or cannot be read.
bool ReadWholeFile(const std::string& path, std::string& out);

// Replaces (or creates) path with bytes as described above. A link at path is
// replaced, never followed. False, the target untouched and no temporary file
// left behind, when any step fails.
bool WriteFileWhole(const std::string& path, std::string_view bytes);

// Flushes a file's or a folder's contents to the disk. False when it cannot.
bool SyncToDisk(const std::string& path);
// Flushes the folder that holds path, so a rename inside it survives a crash.
bool SyncParentFolder(const std::string& path);

}  // namespace drawlyze
