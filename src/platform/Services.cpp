// Zevora - the one place where the program finds its platform services.
#include "Services.h"

#include "ClipboardService.h"
#include "ColourDialogService.h"
#include "EnchantSpellService.h"
#include "FileDialogService.h"
#include "MessageService.h"
#include "PrintService.h"
#include "QtClipboardService.h"
#include "QtColourDialogService.h"
#include "QtFileDialogService.h"
#include "QtMessageService.h"
#include "QtPrintService.h"
#include "QtShellService.h"
#include "QtSoundService.h"
#include "ShellService.h"
#include "SoundService.h"

#include <QtGlobal>

namespace Platform {

namespace {
MessageService *g_messages = nullptr;
ClipboardService *g_clipboard = nullptr;
SoundService *g_sound = nullptr;
ShellService *g_shell = nullptr;
FileDialogService *g_fileDialogs = nullptr;
PrintService *g_printing = nullptr;
ColourDialogService *g_colourDialogs = nullptr;
SpellService *g_spelling = nullptr;

template <typename T> T &require(T *service, const char *name)
{
    if (!service)
        qFatal("Zevora: the %s service was used before it was installed", name);
    return *service;
}
} // namespace

MessageService &Services::messages()
{
    return require(g_messages, "message");
}
ClipboardService &Services::clipboard()
{
    return require(g_clipboard, "clipboard");
}
SoundService &Services::sound()
{
    return require(g_sound, "sound");
}
ShellService &Services::shell()
{
    return require(g_shell, "shell");
}
FileDialogService &Services::fileDialogs()
{
    return require(g_fileDialogs, "file dialog");
}
PrintService &Services::printing()
{
    return require(g_printing, "printing");
}
ColourDialogService &Services::colourDialogs()
{
    return require(g_colourDialogs, "colour dialog");
}

SpellService &Services::spelling()
{
    return require(g_spelling, "spelling");
}

void Services::installSpelling(SpellService *spelling)
{
    if (spelling)
        g_spelling = spelling;
}

void Services::install(MessageService *messages, ClipboardService *clipboard, SoundService *sound)
{
    if (messages)
        g_messages = messages;
    if (clipboard)
        g_clipboard = clipboard;
    if (sound)
        g_sound = sound;
}

void Services::installFileDialogs(FileDialogService *dialogs)
{
    if (dialogs)
        g_fileDialogs = dialogs;
}

void Services::installPrinting(PrintService *printing)
{
    if (printing)
        g_printing = printing;
}

void Services::installColourDialogs(ColourDialogService *dialogs)
{
    if (dialogs)
        g_colourDialogs = dialogs;
}

void Services::installShell(ShellService *shell)
{
    if (shell)
        g_shell = shell;
}

void Services::installQtServices()
{
    static QtMessageService messages;
    static QtClipboardService clipboard;
    static QtSoundService sound;
    static QtShellService shell;
    install(&messages, &clipboard, &sound);
    installShell(&shell);
    static QtFileDialogService fileDialogs;
    installFileDialogs(&fileDialogs);
    static QtPrintService printing;
    installPrinting(&printing);
    static QtColourDialogService colourDialogs;
    installColourDialogs(&colourDialogs);
    static EnchantSpellService spelling;
    installSpelling(&spelling);
}

MsgAnswer message(const QString &title, const QString &text, MsgIcon icon, MsgButtons buttons)
{
    return Services::messages().show(MessageBox{title, text, icon, buttons, true});
}

void PlayResWav(int resourceId, bool async)
{
    Services::sound().play(resourceId, async);
}

bool soundAvailable()
{
    return Services::sound().isAvailable();
}

} // namespace Platform
