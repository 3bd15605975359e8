// Zevora - a dropped image delivered as HTML to the window it was dropped on.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;
class frmKid;

/// Turns the image file \a imgName into HTML for \a curPage, relative to the
/// file of \a page. What is made and where it goes depends on \a curPage:
/// - a page (frmKid): the IMG tag is inserted at that page's caret, as one
///   undo step; the page is activated and keeps the focus;
/// - the link builder ("frmAnchor"): its txtLink box becomes the IMG tag;
/// - the background dialog ("frmBackground"): its txtImage box becomes the
///   image's address alone.
/// A file that is no GIF, JPEG or PNG image, or a bitmap, gets its box and
/// \a curPage the focus back; a file that cannot be read is refused without
/// a word. True when the image was delivered; false after a refusal, or when
/// \a page has gone.
bool doImgClass(const QString &imgName, QWidget *curPage, frmKid *page);

/// What a page does with files dropped on it (nullopt: the drop carried no
/// file list): one file that is not a folder goes to doImgClass(); anything
/// else gets its box. The focus stays in the page.
void dropOnPage(frmKid *page, const std::optional<QStringList> &files);

/// Lets \a page take dropped files: a drop from anywhere but the page itself
/// goes to dropOnPage() once the drop is over.
void acceptFileDrops(frmKid *page);
