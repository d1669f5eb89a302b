#pragma once
// Whole-file reads and writes. A write goes to a new file beside the target, is
// flushed to the disk, then renamed over the target in one step and the folder
// flushed too: whatever stops the program, the target holds the old bytes or
// the new ones, never a mixture or nothing.

#include <string>
#include <string_view>

#include "core/error/error.h"

namespace drawlyze {

// Reads a regular file as bytes: NotFound when nothing is there, CannotRead
// (with the reason) when it is no regular file or cannot be read.
Result<std::string> ReadWholeFile(const std::string& path);
// The same as a yes or no, for callers that need no reason.
bool ReadWholeFile(const std::string& path, std::string& out);

// Replaces (or creates) path with bytes as described above. A link at path is
// replaced, never followed. A device or a FIFO there (or a link to one, or
// /dev/stdout) is never replaced: the bytes go straight into it; a folder, a
// socket or a disk there is refused. On failure the target is untouched and
// no temporary file is left behind.
Status WriteFileWhole(const std::string& path, std::string_view bytes);

// Creates path as a new file for writing (never an existing file or link);
// the descriptor, or -1.
int CreateFreshFile(const std::string& path);
// A new file beside target named target + "." + this process's id + "-" +
// random hex + suffix (a target's name too long for that is shortened, with a
// hash of it kept); its name in temporary, the descriptor, or -1 (temporary
// empty, errno set). Temporaries of the same target and suffix whose process
// is gone (one killed while saving) are removed first.
int CreateTemporaryBeside(const std::string& target, const char* suffix, std::string& temporary);
// The name CreateTemporaryBeside's temporaries of target start with, up to
// the "." before the process id.
std::string TemporaryStem(const std::string& target, std::size_t suffixSize);
// Removes target's temporaries with suffix left by processes that are gone;
// how many it removed.
int RemoveStaleTemporaries(const std::string& target, const char* suffix);
// Writes bytes as the new file path and flushes it to the disk; on failure
// (why in the error) no file is left.
Status WriteFreshFile(const std::string& path, std::string_view bytes);

// Flushes a file's or a folder's contents to the disk. False when it cannot.
bool SyncToDisk(const std::string& path);
// Flushes the folder that holds path, so a rename inside it survives a crash.
bool SyncParentFolder(const std::string& path);

}  // namespace drawlyze
