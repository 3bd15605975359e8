// Zevora - message boxes as a platform service.
// Logic asks through this interface; only QtMessageService shows real boxes.
#pragma once

#include <QString>

namespace Platform {

enum class MsgIcon
{
    None,
    Information,
    Question,
    Exclamation,
    Critical
};
enum class MsgButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    RetryCancel
};
enum class MsgAnswer
{
    Ok,
    Cancel,
    Yes,
    No,
    Retry
};

/// One message box: everything the user sees.
struct MessageBox
{
    QString title;
    QString text;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    /// Bring the program to the foreground before showing the box.
    bool foreground = true;

    bool operator==(const MessageBox &) const = default;
};

class MessageService
{
public:
    virtual ~MessageService() = default;
    /// Shows the box modally and returns the button the user chose.
    virtual MsgAnswer show(const MessageBox &box) = 0;

    /// Shows \a text as the progress of long work that needs no answer: the
    /// first call opens a progress window titled \a title, without buttons
    /// (the window the user worked in takes no input while it is open); later
    /// calls change its text. The caller runs events for it to be seen.
    virtual void progress(const QString &title, const QString &text) = 0;
    /// Closes the progress window, if one is open.
    virtual void endProgress() = 0;
};

/// Shows a box through the installed service.
MsgAnswer message(const QString &title, const QString &text, MsgIcon icon = MsgIcon::None,
                  MsgButtons buttons = MsgButtons::Ok);

} // namespace Platform
