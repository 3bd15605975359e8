// Zevora - files dropped on the text boxes of the link builder and the background dialog.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class FileCommands;
class QLineEdit;
class QWidget;
class frmKid;

namespace mDrop {

/// A page file dropped on \a box, the link builder's target box, in the
/// builder opened on \a page (the files from LinkRules::droppedFiles()). The
/// box gets the page file's path relative to \a page, with its whole text
/// selected; the boxes of LinkRules::pageLink() say what is refused. For a
/// page never saved the user may save it first through \a files; when that
/// save does not happen, nothing changes. True when the box got a path.
bool checkPageDrop(const std::optional<QStringList> &dropped, QLineEdit *box, frmKid *page,
                   FileCommands *files);

/// An image file dropped on a text box of \a form (the link builder
/// "frmAnchor" or the background dialog "frmBackground") opened on \a page:
/// a drop without files, of several files, or of a folder gets its box;
/// otherwise doImgClass() makes the HTML for \a form. True when the drop
/// passed these checks, whatever the image turned out to be.
bool checkImageDrop(const std::optional<QStringList> &dropped, QWidget *form, frmKid *page);

/// Before an image is dropped on a builder's box of a page that was never
/// saved: asks whether to save it first, and saves it (Save As) when the user
/// says OK. False when the user said OK and the page was not saved after all.
bool offerToSave(frmKid *page, FileCommands *files);

/// True for a page file name (.htm, .html, .shtml, .asp in any case).
bool isPageFile(const QString &name);

} // namespace mDrop
