// Zevora - the spell check command (tool 10).
#include "mSpell.h"

#include "MessageService.h"
#include "RichyText.h"
#include "Services.h"
#include "SpellChecker.h"
#include "SpellService.h"
#include "frmKid.h"
#include "frmSpell.h"
#include "mReplace.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMdiArea>
#include <QPointer>
#include <QThread>

#include <new>

using namespace Platform;

namespace {

const QString kNote = QStringLiteral("Zevora Note");

void showFailure()
{
    message(kNote, QStringLiteral("Spell check  failed.\nIf problem persists, please contact Support."),
            MsgIcon::Exclamation);
}

void focusPage(frmKid *kid)
{
    if (QMdiArea *area = kid->mdiArea())
        area->setActiveSubWindow(kid);
    kid->richy->activateWindow();
    kid->richy->setFocus();
}

// Runs events while the page's text is read (no user input meanwhile); the
// reading stops when the page changes or goes.
class ReadListener : public mReplace::Listener
{
public:
    ReadListener(frmKid *kid, const bool &changed) : m_kid(kid), m_changed(changed) {}
    bool runEvents() override
    {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return m_kid && !m_kid->isClosing() && !m_changed;
    }
    void replaced(qsizetype) override {}

private:
    QPointer<frmKid> m_kid;
    const bool &m_changed;
};

// One check under way: the dictionary, the walk, the window, and the page the
// result goes back into. It deletes itself when the check is over.
class SpellRun : public QObject
{
public:
    SpellRun(frmKid *kid, QWidget *frame, std::unique_ptr<SpellDictionary> dictionary, const QString &page,
             qsizetype begin, qsizetype end, bool wholeText)
        : QObject(frame), m_kid(kid), m_dictionary(std::move(dictionary)), m_page(page), m_begin(begin),
          m_end(end), m_wholeText(wholeText), m_checker(m_page, begin, end, *m_dictionary),
          m_window(new frmSpell(frame, m_checker))
    {
        m_watch =
            connect(kid->richy, &QsciScintillaBase::SCN_MODIFIED, this, [this] { m_pageChanged = true; });
        connect(m_window, &frmSpell::ended, this, &SpellRun::finish);
    }
    ~SpellRun() override { delete m_window.data(); }
    SpellRun(const SpellRun &) = delete;
    SpellRun &operator=(const SpellRun &) = delete;

    void start() { m_window->start(); }

private:
    void finish(frmSpell::Outcome outcome)
    {
        disconnect(m_watch);
        deleteLater();
        frmKid *kid = m_kid && !m_kid->isClosing() ? m_kid.data() : nullptr;
        if (!kid)
            return; // the page has gone: the result has nowhere to go
        bool ok = outcome != frmSpell::Outcome::Failed && !m_pageChanged;
        if (ok)
            ok = putBack(kid);
        focusPage(kid);
        if (ok)
            message(kNote, QStringLiteral("Spell Check Completed."));
        else
            showFailure();
    }

    // Puts the checked text into the page as one undo step, when it differs.
    bool putBack(frmKid *kid)
    {
        bool started = false;
        try {
            const QString result = m_checker.result();
            const QStringView before = QStringView(m_page).sliced(m_begin, m_end - m_begin);
            if (result == before)
                return true;
            // A partial or empty text never goes in.
            if (result.isEmpty())
                throw std::bad_alloc();
            richy *text = kid->richy;
            if (!m_wholeText) {
                // Exactly as checked: the selection's own line ends stay.
                text->select(m_begin, m_end - m_begin);
                text->setSelText(result);
                return true;
            }
            const qsizetype caret = text->SelStart();
            kid->preReplace(m_page);
            started = true;
            text->replaceAllUnrecorded(result);
            if (text->textLength() != result.size())
                throw std::bad_alloc();
            kid->repChange(result);
            // The caret stays about where it was.
            text->setSelStart(std::min(caret, result.size()));
            return true;
        } catch (...) {
            if (started)
                kid->cancelReplace();
            return false;
        }
    }

    QPointer<frmKid> m_kid;
    std::unique_ptr<SpellDictionary> m_dictionary;
    QString m_page;
    qsizetype m_begin;
    qsizetype m_end;
    bool m_wholeText;
    SpellChecker m_checker;
    QPointer<frmSpell> m_window;
    QMetaObject::Connection m_watch;
    bool m_pageChanged = false;
};

// Loading a dictionary takes more than 100 ms: it loads in a thread of its
// own while events run (no user input meanwhile).
std::unique_ptr<SpellDictionary> openDictionary()
{
    SpellService &spelling = Services::spelling();
    const QString locale = QLocale::system().name();
    std::unique_ptr<SpellDictionary> dictionary;
    std::unique_ptr<QThread> loader(QThread::create([&] {
        try {
            const QString language = mSpell::chooseLanguage(spelling.languages(), locale);
            if (!language.isEmpty())
                dictionary = spelling.open(language);
        } catch (...) {
            dictionary.reset();
        }
    }));
    QEventLoop wait;
    QObject::connect(loader.get(), &QThread::finished, &wait, &QEventLoop::quit);
    loader->start();
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    loader->wait();
    return dictionary;
}

} // namespace

namespace mSpell {

QString chooseLanguage(const QStringList &installed, const QString &locale)
{
    for (const QString &language : {locale, QStringLiteral("en_US")}) {
        if (installed.contains(language))
            return language;
    }
    return installed.value(0);
}

void spellCheck(frmKid *kid, QWidget *frame)
{
    if (!kid || kid->isClosing())
        return;
    // The window is modal: a second check cannot start while one runs.
    if (auto *running = frame->findChild<frmSpell *>(); running && running->isVisible()) {
        running->raise();
        return;
    }
    richy *text = kid->richy;
    if (text->textLength() == 0) {
        focusPage(kid);
        return;
    }
    std::unique_ptr<SpellDictionary> dictionary = openDictionary();
    if (!dictionary) {
        message(QStringLiteral("Zevora Note:"),
                QStringLiteral("Could not load the spelling checker!\n\n[Zevora uses Enchant with a Hunspell "
                               "dictionary (for example the hunspell-en-us package) to enable this "
                               "functionality.]"));
        return;
    }
    text->endComposition();
    text->commitPending();
    const QPointer<frmKid> page(kid);
    try {
        const qsizetype begin = text->SelStart();
        const qsizetype length = text->SelLength();
        bool changed = false;
        const auto watch =
            QObject::connect(text, &QsciScintillaBase::SCN_MODIFIED, text, [&changed] { changed = true; });
        ReadListener listener(kid, changed);
        const std::optional<QString> whole = mReplace::decodeUtf8(RichyText(text), &listener);
        QObject::disconnect(watch);
        if (!page || page->isClosing())
            return;
        if (!whole)
            throw std::runtime_error("the page changed while it was read");
        auto *run =
            length > 0 ? new SpellRun(kid, frame, std::move(dictionary), *whole, begin, begin + length, false)
                       : new SpellRun(kid, frame, std::move(dictionary), *whole, 0, whole->size(), true);
        run->start();
    } catch (...) {
        if (page && !page->isClosing())
            focusPage(page);
        showFailure();
    }
}

} // namespace mSpell
