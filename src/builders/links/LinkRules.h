// Zevora - what a dropped file becomes in the link builder, the background
// dialog and the page: the checks, their messages, and the link text.
// QtCore only: the windows show the boxes, zevora-imgtag prints them.
#pragma once

#include "MessageService.h"

#include <QDir>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QMimeData;

namespace LinkRules {

/// The local files a drop carries, in native form; nullopt when it carries no
/// file list (text, a web address, a picture from another program). A file
/// manager's drop also carries the paths as text: that text is never used.
std::optional<QStringList> droppedFiles(const QMimeData *mime);

/// Where a file was dropped; each place words its boxes its own way.
enum class Target
{
    /// The page itself.
    Page,
    /// A box that takes an image (the link text, the background name).
    ImageBox,
    /// The link builder's target box, which takes a page.
    PageBox
};

/// The checks every drop target makes first: the drop carries files, only
/// one, and it is not a folder. The box that refuses the drop, or nullopt
/// when the one file may go on.
std::optional<Platform::MessageBox> checkOneFile(const std::optional<QStringList> &files, Target target);

/// True when \a name ends in ".htm", "html" (.html, .shtml) or ".asp", in any
/// letter case.
bool isPageFile(const QString &name);

/// The box that refuses a file that is no page.
Platform::MessageBox notAPageBox();
/// The question asked before a relative path is made for a page that was
/// never saved (OK saves it first, Cancel goes on without).
Platform::MessageBox unsavedPageQuestion();

/// What the user did about a page that was never saved.
enum class Unsaved
{
    /// Go on without saving: the bare file name is used.
    Cancel,
    /// The page was saved; the page path now names its file.
    Saved,
    /// Saving was asked for but did not happen: stop, change nothing.
    NotSaved
};

/// The checks of a page dropped on the link builder's target box: the text
/// the box gets (a path relative to the page at \a pagePath), or nullopt when
/// the drop is refused. \a show shows each box; \a unsaved runs when the page
/// has no file yet and may save it (updating \a pagePath).
std::optional<QString> pageLink(const std::optional<QStringList> &files, QString pagePath,
                                const std::function<Unsaved(QString &pagePath)> &unsaved,
                                const std::function<void(const Platform::MessageBox &)> &show,
                                QChar separator = QDir::separator());

/// The anchor: <a href="PAGE">LINK</a>, both texts exactly as typed.
QString anchorText(const QString &page, const QString &link);

/// The text after the last \a separator of \a path (all of it when it has none).
QString fileNameOf(const QString &path, QChar separator = QDir::separator());

} // namespace LinkRules
