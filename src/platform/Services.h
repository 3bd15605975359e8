// Zevora - the one place where the program finds its platform services.
// main() installs the Qt implementations; tests install fakes.
#pragma once

namespace Platform {

class MessageService;
class ClipboardService;
class SoundService;

class Services
{
public:
    static MessageService &messages();
    static ClipboardService &clipboard();
    static SoundService &sound();

    /// Installs the given services; null leaves that service as it is.
    /// The caller keeps ownership and keeps them alive while installed.
    static void install(MessageService *messages, ClipboardService *clipboard, SoundService *sound);
    /// Installs the Qt implementations (owned by the program).
    static void installQtServices();
};

} // namespace Platform
