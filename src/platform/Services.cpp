// Zevora - the one place where the program finds its platform services.
#include "Services.h"

#include "ClipboardService.h"
#include "MessageService.h"
#include "QtClipboardService.h"
#include "QtMessageService.h"
#include "QtSoundService.h"
#include "SoundService.h"

#include <QtGlobal>

namespace Platform {

namespace {
MessageService *g_messages = nullptr;
ClipboardService *g_clipboard = nullptr;
SoundService *g_sound = nullptr;

template<typename T>
T &require(T *service, const char *name)
{
    if (!service)
        qFatal("Zevora: the %s service was used before it was installed", name);
    return *service;
}
} // namespace

MessageService &Services::messages() { return require(g_messages, "message"); }
ClipboardService &Services::clipboard() { return require(g_clipboard, "clipboard"); }
SoundService &Services::sound() { return require(g_sound, "sound"); }

void Services::install(MessageService *messages, ClipboardService *clipboard, SoundService *sound)
{
    if (messages)
        g_messages = messages;
    if (clipboard)
        g_clipboard = clipboard;
    if (sound)
        g_sound = sound;
}

void Services::installQtServices()
{
    static QtMessageService messages;
    static QtClipboardService clipboard;
    static QtSoundService sound;
    install(&messages, &clipboard, &sound);
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
