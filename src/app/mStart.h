// Zevora - start-up: one instance per user, the splash, the first page.
#pragma once

#include <QString>

class topForm;
class frmSplash;

namespace mStart {

/// The program: hands the command line to a running instance, or starts
/// the frame. Returns the exit code.
int Main(int argc, char *argv[]);

/// The command line as one path: the arguments joined by single blanks. A
/// relative path is made absolute against \a workingFolder (the folder the
/// program was started in); an empty command line stays empty.
QString commandLinePath(const QStringList &arguments, const QString &workingFolder);

/// Opens the file named on the command line in \a frame, with every
/// message of start-up. Throws when the file cannot be read after it was
/// found (start-up then reports an error).
void openCommandLineFile(topForm &frame, const QString &cmd);

/// Plays the start-up sound, shows the frame and closes the splash.
void ShowMainWindow(topForm &frame, frmSplash *splash);

} // namespace mStart
