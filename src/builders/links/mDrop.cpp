// Zevora - files dropped on the text boxes of the link builder and the background dialog.
#include "mDrop.h"

#include "FileCommands.h"
#include "LinkRules.h"
#include "MessageService.h"
#include "Services.h"
#include "doImgClass.h"
#include "frmKid.h"
#include "mFuncs.h"

#include <QLineEdit>

using namespace Platform;

namespace mDrop {

namespace {
bool saveNow(frmKid *page, FileCommands *files)
{
    return page && files && files->SaveDocumentAs(page) && mFuncs::FileExists(page->Tag());
}
} // namespace

bool checkPageDrop(const std::optional<QStringList> &dropped, QLineEdit *box, frmKid *page,
                   FileCommands *files)
{
    if (!box || !page)
        return false;
    const auto show = [](const MessageBox &shown) { Services::messages().show(shown); };
    const auto unsaved = [page, files](QString &pagePath) {
        if (Services::messages().show(LinkRules::unsavedPageQuestion()) != MsgAnswer::Ok)
            return LinkRules::Unsaved::Cancel;
        if (!saveNow(page, files))
            return LinkRules::Unsaved::NotSaved;
        pagePath = page->Tag();
        return LinkRules::Unsaved::Saved;
    };
    const std::optional<QString> link = LinkRules::pageLink(dropped, page->Tag(), unsaved, show);
    if (!link)
        return false;
    box->setText(*link);
    box->selectAll();
    return true;
}

bool checkImageDrop(const std::optional<QStringList> &dropped, QWidget *form, frmKid *page)
{
    if (const std::optional<MessageBox> refusal =
            LinkRules::checkOneFile(dropped, LinkRules::Target::ImageBox)) {
        Services::messages().show(*refusal);
        return false;
    }
    doImgClass(dropped->first(), form, page);
    return true;
}

bool offerToSave(frmKid *page, FileCommands *files)
{
    if (!page || mFuncs::FileExists(page->Tag()))
        return true;
    if (Services::messages().show(LinkRules::unsavedPageQuestion()) != MsgAnswer::Ok)
        return true;
    return saveNow(page, files);
}

bool isPageFile(const QString &name)
{
    return LinkRules::isPageFile(name);
}

} // namespace mDrop
