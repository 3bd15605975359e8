// Zevora - limits the operating system sets on this process.
#pragma once

#include <QtGlobal>

namespace Platform {

/// Raises the number of files and sockets the process may hold open at once
/// (the soft limit) to the most the system allows it (the hard limit), so
/// that many pages and connections at once do not run out of descriptors.
/// Returns false when the limit could not be read or raised; where the
/// system has no such limit it does nothing and returns true.
bool raiseOpenFileLimit();

/// True when a process with the id \a pid runs (as far as this process may
/// tell: a process of another user counts as running).
bool processIsRunning(qint64 pid);

} // namespace Platform
