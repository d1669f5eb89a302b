#pragma once
// What stands where a file is saved. A regular file (or nothing) is replaced
// whole by a rename; a device or a FIFO is never replaced: the bytes go
// straight into it (--out /dev/stdout, /dev/null, a FIFO read by another
// program), and what cannot take them (a folder, a socket, a disk) is refused
// and left as it is.

#include <string>
#include <string_view>

#include "core/error/error.h"

namespace drawlyze {

enum class SaveTargetKind : std::uint8_t {
  Replaceable,  // nothing, a regular file, or a link to one or to nothing (the link is replaced, never followed)
  Stream,       // a character device or a FIFO, or a link to one: written straight into
  Descriptor,   // one of this process's own open descriptors (/dev/stdout, /dev/fd/3): written into it
  Unusable,     // a folder, a socket, a block device: refused
};

struct SaveTarget {
  SaveTargetKind kind = SaveTargetKind::Replaceable;
  int descriptor = -1;  // Descriptor: which one
  std::string what;     // Unusable: what it is, for the message ("it is a folder")
};

// Looks at path without changing anything.
SaveTarget InspectSaveTarget(const std::string& path);

// A descriptor to write a Stream or Descriptor target through (the caller
// closes it), or the failure. A FIFO is waited for until a program opens it
// for reading, for at most fifoWaitMs.
Result<int> OpenStraightTarget(const std::string& path, const SaveTarget& target, int fifoWaitMs = 10000);

// Writes all of bytes to fd; a reader that went away is a failure, never a
// SIGPIPE. errno tells why on false.
bool WriteAllBytes(int fd, std::string_view bytes);

// Writes bytes straight into a Stream or Descriptor target.
Status WriteStraightInto(const std::string& path, const SaveTarget& target, std::string_view bytes);

// The failure for an Unusable target.
Error NotAFileError(const std::string& path, const SaveTarget& target);

}  // namespace drawlyze
