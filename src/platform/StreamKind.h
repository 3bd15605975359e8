// Zevora - what an open file reads from: a file on disk, a pipe, a terminal or something else.
// Lets a reader refuse devices that never end before it starts reading them.
#pragma once

class QFile;

namespace Platform {

enum class StreamKind
{
    RegularFile,
    /// A pipe or a socket: a stream that ends when its writer closes it.
    Pipe,
    Terminal,
    /// A device (such as /dev/zero), a folder, or a handle that cannot be examined.
    Other
};

/// What the open \a file reads from. Where the system cannot tell the kinds
/// apart, a file with random access counts as a regular file and any other
/// as a pipe.
StreamKind streamKind(const QFile &file);

} // namespace Platform
