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

// Creates path as a new file for writing (never an existing file or link);
// the descriptor, or -1.
int CreateFreshFile(const std::string& path);
// A new file named target + "." + random hex + suffix beside target; its name
// in temporary, the descriptor, or -1 (temporary empty).
int CreateTemporaryBeside(const std::string& target, const char* suffix, std::string& temporary);
// Writes bytes as the new file path and flushes it to the disk; false, with
// no file left, on failure.
bool WriteFreshFile(const std::string& path, std::string_view bytes);

// Flushes a file's or a folder's contents to the disk. False when it cannot.
bool SyncToDisk(const std::string& path);
// Flushes the folder that holds path, so a rename inside it survives a crash.
bool SyncParentFolder(const std::string& path);

}  // namespace drawlyze
