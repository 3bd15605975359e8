// Zevora - the Replace window.
#include "frmReplace.h"

#include "MessageService.h"
#include "PageFinder.h"
#include "RichyText.h"
#include "Services.h"
#include "cHourglass.h"
#include "frmKid.h"
#include "mReplace.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>

#include <new>
#include <optional>
#include <stdexcept>

using namespace Platform;

namespace {
const QString kNoteTitle = QStringLiteral("Zevora Note:");

// Runs events for Replace All and shows its progress. No key or click
// reaches the program meanwhile (they wait until the work is done): the page
// must not change under the work. Should it change all the same, or go, the
// work stops.
class ReplaceListener : public mReplace::Listener
{
public:
    explicit ReplaceListener(frmKid *page) : m_page(page)
    {
        m_watch = QObject::connect(page->richy, &QsciScintillaBase::SCN_MODIFIED, page->richy,
                                   [this] { m_pageChanged = true; });
    }
    ~ReplaceListener() override { QObject::disconnect(m_watch); }
    ReplaceListener(const ReplaceListener &) = delete;
    ReplaceListener &operator=(const ReplaceListener &) = delete;

    bool runEvents() override
    {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return m_page && !m_page->isClosing() && !m_pageChanged;
    }
    void replaced(qsizetype replacements) override
    {
        Services::messages().progress(kNoteTitle, mReplace::progressText(replacements));
    }
    bool pageChanged() const { return m_pageChanged; }

private:
    QPointer<frmKid> m_page;
    QMetaObject::Connection m_watch;
    bool m_pageChanged = false;
};
} // namespace

frmReplace::frmReplace(QWidget *frame, QLabel *frameResult)
    : PageToolWindow(frame), m_frameResult(frameResult)
{
    setObjectName(QStringLiteral("frmReplace"));
    setWindowTitle(QStringLiteral("Replace"));

    auto *lblReplace = new QLabel(QStringLiteral("Replace..."), this);
    lblReplace->setObjectName(QStringLiteral("lblReplace"));
    txtReplace = new QLineEdit(this);
    txtReplace->setObjectName(QStringLiteral("txtReplace"));
    lblReplace->setBuddy(txtReplace);
    auto *lblReplaceWith = new QLabel(QStringLiteral("Replace with..."), this);
    lblReplaceWith->setObjectName(QStringLiteral("lblReplaceWith"));
    txtReplaceWith = new QLineEdit(this);
    txtReplaceWith->setObjectName(QStringLiteral("txtReplaceWith"));
    lblReplaceWith->setBuddy(txtReplaceWith);
    cmdReplace = new QPushButton(QStringLiteral("Replace Next"), this);
    cmdReplace->setObjectName(QStringLiteral("cmdReplace"));
    cmdReplaceAll = new QPushButton(QStringLiteral("Replace All"), this);
    cmdReplaceAll->setObjectName(QStringLiteral("cmdReplaceAll"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(lblReplace, 0, 0);
    layout->addWidget(txtReplace, 1, 0);
    layout->addWidget(lblReplaceWith, 2, 0);
    layout->addWidget(txtReplaceWith, 3, 0);
    layout->addWidget(cmdReplace, 1, 1);
    layout->addWidget(cmdReplaceAll, 2, 1);
    layout->addWidget(cmdCancel, 3, 1);
    layout->setColumnMinimumWidth(0, 220);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Any edit of either text may make a replacement possible again.
    for (QLineEdit *box : {txtReplace, txtReplaceWith}) {
        connect(box, &QLineEdit::textEdited, this, [this] {
            cmdReplace->setEnabled(true);
            cmdReplaceAll->setEnabled(true);
        });
    }
    connect(cmdReplace, &QPushButton::clicked, this, &frmReplace::cmdReplace_Click);
    connect(cmdReplaceAll, &QPushButton::clicked, this, &frmReplace::cmdReplaceAll_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
}

void frmReplace::showEvent(QShowEvent *event)
{
    PageToolWindow::showEvent(event);
    if (std::exchange(m_placed, true))
        return;
    // The right edge at the frame's right edge, the top at the frame's top.
    const QRect outer = parentWidget()->frameGeometry();
    move(outer.left() + outer.width() - frameGeometry().width(), outer.top());
}

bool frmReplace::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && page())
        txtReplace->setFocus();
    return PageToolWindow::event(event);
}

// The two texts must be there; the message for a missing replacement carries
// \a withTitle.
bool frmReplace::checkTexts(const QString &withTitle)
{
    if (txtReplace->text().isEmpty()) {
        message(kNoteTitle, QStringLiteral("Enter text to be replaced."));
        return false;
    }
    if (txtReplaceWith->text().isEmpty()) {
        message(withTitle, QStringLiteral("Enter text to replace with..."));
        return false;
    }
    return true;
}

void frmReplace::noMatch()
{
    message(kNoteTitle, QStringLiteral("No match found"));
    txtReplace->setFocus();
    txtReplace->selectAll();
}

void frmReplace::cmdReplace_Click()
{
    if (!activatePage() || !checkTexts(QStringLiteral("Zevora")))
        return;
    frmKid *kid = page();
    const PageFinder finder(txtReplace->text(), PageFinder::Case::Match);
    const RichyText text(kid->richy);
    qsizetype pos = -1;
    {
        cHourglass busy;
        pos = finder.find(text, 0);
    }
    if (pos < 0) {
        noMatch();
        return;
    }
    if (m_frameResult)
        m_frameResult->setText(QStringLiteral("Last Replace changed 1 occurrence."));
    kid->kidPaste(txtReplaceWith->text(), finder.needle(), pos);
    focusPage(kid);
    // Replace Next always takes the first occurrence of the page; there is
    // one more when an occurrence remains anywhere (also one the
    // replacement has just made).
    const bool more = finder.find(text, std::max<qsizetype>(0, pos - finder.needle().size() + 1)) >= 0;
    cmdReplace->setEnabled(more);
    cmdReplaceAll->setEnabled(more);
}

void frmReplace::cmdReplaceAll_Click()
{
    if (!activatePage() || !checkTexts(kNoteTitle))
        return;
    const QPointer<frmKid> kid = page();
    const QString find = txtReplace->text();
    bool started = false;
    std::optional<cHourglass> busy;
    busy.emplace();
    setBusy(true);
    try {
        if (PageFinder(find, PageFinder::Case::Match).find(RichyText(kid->richy), 0) < 0) {
            busy.reset();
            setBusy(false);
            noMatch();
            return;
        }
        // The text before and the new text are built with events running;
        // the page is written once, at the end.
        kid->richy->endComposition();
        kid->richy->commitPending();
        // A lone surrogate (pasted from elsewhere) can be no character of
        // the page; it is written as the page would hold it.
        QString with = kid->richy->toPageLineBreaks(txtReplaceWith->text());
        if (!QStringView(with).isValidUtf16())
            with = QString::fromUtf8(with.toUtf8());
        ReplaceListener listener(kid);
        std::optional<QString> before;
        if (listener.runEventsNow())
            before = mReplace::decodeUtf8(RichyText(kid->richy), &listener);
        mReplace::Result result;
        if (before)
            result = mReplace::replaceAll(*before, find, with, &listener);
        Services::messages().endProgress();
        // A change of the page would be overwritten: it is kept instead.
        if (listener.pageChanged() && kid && !kid->isClosing())
            throw std::runtime_error("the page changed during Replace All");
        // The page may have gone while events ran: then nothing is written.
        if (before && result.finished && kid && !kid->isClosing()) {
            // Between these two, changes are not recorded one by one; nothing
            // between them can stop.
            kid->preReplace(*before);
            started = true;
            kid->richy->replaceAllUnrecorded(result.text);
            // The control may have failed to take the whole text.
            if (kid->richy->textLength() != result.text.size())
                throw std::bad_alloc();
            if (m_frameResult)
                m_frameResult->setText(
                    QStringLiteral("Last Replace changed  %1 occurrences.").arg(result.replacements));
            // Another page may have become the active one meanwhile (a file
            // handed over by a second start); it keeps the focus then.
            if (QMdiArea *area = kid->mdiArea(); area && area->activeSubWindow() == kid)
                focusPage(kid);
            kid->repChange(result.text);
        }
    } catch (...) {
        Services::messages().endProgress();
        if (started && kid)
            kid->cancelReplace();
        busy.reset();
        setBusy(false);
        message(kNoteTitle, QStringLiteral("Too much to handle at this time!"));
        return;
    }
    busy.reset();
    setBusy(false);
    close();
}
