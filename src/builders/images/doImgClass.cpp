// Zevora - a dropped image delivered as HTML to the window it was dropped on.
#include "doImgClass.h"

#include "ImageTag.h"
#include "LinkRules.h"
#include "MessageService.h"
#include "Services.h"
#include "frmKid.h"
#include "richy.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QPointer>
#include <QTimer>

using namespace Platform;

namespace {

void showBox(const MessageBox &box)
{
    Services::messages().show(box);
}

void focusWindow(QWidget *window)
{
    if (auto *kid = qobject_cast<frmKid *>(window)) {
        kid->window()->activateWindow();
        if (QMdiArea *area = kid->mdiArea())
            area->setActiveSubWindow(kid);
        kid->richy->setFocus();
        return;
    }
    window->activateWindow();
    window->setFocus();
}

} // namespace

bool doImgClass(const QString &imgName, QWidget *curPage, frmKid *page)
{
    if (!curPage || !page || page->isClosing())
        return false;
    const ImageTag tag = makeImageTag(imgName, page->Tag());
    if (tag.result != ImageTag::Result::Tag) {
        if (const std::optional<MessageBox> refusal = tag.refusal()) {
            showBox(*refusal);
            focusWindow(curPage);
        }
        return false;
    }
    if (curPage == page) {
        focusWindow(page);
        page->kidPaste(tag.tag);
        page->richy->setFocus();
        return true;
    }
    const QString name = curPage->objectName();
    const bool anchor = name == QLatin1String("frmAnchor");
    if (!anchor && name != QLatin1String("frmBackground"))
        return false;
    auto *box =
        curPage->findChild<QLineEdit *>(anchor ? QStringLiteral("txtLink") : QStringLiteral("txtImage"));
    if (!box)
        return false;
    box->setText(anchor ? tag.tag : tag.src);
    return true;
}

void dropOnPage(frmKid *page, const std::optional<QStringList> &files)
{
    if (!page)
        return;
    if (const std::optional<MessageBox> refusal = LinkRules::checkOneFile(files, LinkRules::Target::Page)) {
        showBox(*refusal);
        focusWindow(page);
        return;
    }
    doImgClass(files->first(), page, page);
}

void acceptFileDrops(frmKid *page)
{
    QObject::connect(page->richy, &richy::foreignDrop, page, [page](const QMimeData *mime) {
        // The files are read from the drop now; the boxes wait until the
        // program that the file came from has been told the drop is over.
        const std::optional<QStringList> files = LinkRules::droppedFiles(mime);
        QTimer::singleShot(0, page, [page, files] { dropOnPage(page, files); });
    });
}
