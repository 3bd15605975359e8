// Zevora - the one place where the program finds its platform services.
// main() installs the Qt implementations; tests install fakes.
#pragma once

namespace Platform {

class MessageService;
class ClipboardService;
class SoundService;
class ShellService;
class FileDialogService;
class PrintService;
class ColourDialogService;
class SpellService;

class Services
{
public:
    static MessageService &messages();
    static ClipboardService &clipboard();
    static SoundService &sound();
    static ShellService &shell();
    static FileDialogService &fileDialogs();
    static PrintService &printing();
    static ColourDialogService &colourDialogs();
    static SpellService &spelling();

    /// Installs the given services; null leaves that service as it is.
    /// The caller keeps ownership and keeps them alive while installed.
    static void install(MessageService *messages, ClipboardService *clipboard, SoundService *sound);
    /// Installs the shell service; null leaves it as it is. Ownership as for install().
    static void installShell(ShellService *shell);
    /// Installs the file dialog service; null leaves it as it is.
    static void installFileDialogs(FileDialogService *dialogs);
    /// Installs the printing service; null leaves it as it is.
    static void installPrinting(PrintService *printing);
    /// Installs the colour dialog service; null leaves it as it is.
    static void installColourDialogs(ColourDialogService *dialogs);
    /// Installs the spelling service; null leaves it as it is.
    static void installSpelling(SpellService *spelling);
    /// Installs the Qt implementations (owned by the program).
    static void installQtServices();
};

} // namespace Platform
