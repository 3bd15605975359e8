// Zevora - the Spelling window.
#include "frmSpell.h"

#include "SpellChecker.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace {
// Longest stretch of walking before events run, and how long a walk may
// run before the window shows that it is busy.
constexpr int kSliceMs = 50;
constexpr int kShowCheckingMs = 500;

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}
} // namespace

frmSpell::frmSpell(QWidget *parent, SpellChecker &checker) : QDialog(parent), m_checker(checker)
{
    setObjectName(QStringLiteral("frmSpell"));
    setWindowTitle(QStringLiteral("Spelling"));
    setWindowModality(Qt::ApplicationModal);

    auto *lblContext = new QLabel(QStringLiteral("Not in Dictionary:"), this);
    txtContext = new QPlainTextEdit(this);
    txtContext->setObjectName(QStringLiteral("txtContext"));
    txtContext->setReadOnly(true);
    txtContext->setTabChangesFocus(true);
    txtContext->setFixedHeight(txtContext->fontMetrics().lineSpacing() * 4);
    lblContext->setBuddy(txtContext);
    auto *lblChangeTo = new QLabel(QStringLiteral("Change To:"), this);
    txtChangeTo = new QLineEdit(this);
    txtChangeTo->setObjectName(QStringLiteral("txtChangeTo"));
    lblChangeTo->setBuddy(txtChangeTo);
    auto *lblSuggestions = new QLabel(QStringLiteral("Suggestions:"), this);
    lstSuggestions = new QListWidget(this);
    lstSuggestions->setObjectName(QStringLiteral("lstSuggestions"));
    lblSuggestions->setBuddy(lstSuggestions);
    for (QLabel *label : {lblContext, lblChangeTo, lblSuggestions})
        label->buddy()->setAccessibleName(label->text());

    cmdIgnore = button(this, "cmdIgnore", QStringLiteral("Ignore"));
    cmdIgnoreAll = button(this, "cmdIgnoreAll", QStringLiteral("Ignore All"));
    cmdChange = button(this, "cmdChange", QStringLiteral("Change"));
    cmdChangeAll = button(this, "cmdChangeAll", QStringLiteral("Change All"));
    cmdAdd = button(this, "cmdAdd", QStringLiteral("Add"));
    cmdClose = button(this, "cmdClose", QStringLiteral("Close"));
    cmdChange->setDefault(true);

    auto *layout = new QGridLayout(this);
    layout->addWidget(lblContext, 0, 0, 1, 2);
    layout->addWidget(txtContext, 1, 0, 1, 2);
    layout->addWidget(lblChangeTo, 2, 0);
    layout->addWidget(txtChangeTo, 3, 0);
    layout->addWidget(lblSuggestions, 4, 0);
    layout->addWidget(lstSuggestions, 5, 0, 4, 1);
    layout->addWidget(cmdIgnore, 3, 1);
    layout->addWidget(cmdIgnoreAll, 4, 1);
    layout->addWidget(cmdChange, 5, 1);
    layout->addWidget(cmdChangeAll, 6, 1);
    layout->addWidget(cmdAdd, 7, 1);
    layout->addWidget(cmdClose, 8, 1);
    layout->setColumnMinimumWidth(0, 300);
    lstSuggestions->setFixedHeight(txtContext->fontMetrics().lineSpacing() * 7);

    connect(txtChangeTo, &QLineEdit::textChanged, this, [this] { setAnswering(m_atWord); });
    const auto pick = [this](const QString &text) {
        if (!text.isEmpty())
            txtChangeTo->setText(text);
    };
    connect(lstSuggestions, &QListWidget::currentTextChanged, this, pick);
    connect(lstSuggestions, &QListWidget::itemClicked, this,
            [pick](QListWidgetItem *item) { pick(item->text()); });
    connect(lstSuggestions, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        txtChangeTo->setText(item->text());
        if (cmdChange->isEnabled())
            act(&frmSpell::doChange);
    });
    connect(cmdIgnore, &QPushButton::clicked, this, [this] { act(&frmSpell::doIgnore); });
    connect(cmdIgnoreAll, &QPushButton::clicked, this, [this] { act(&frmSpell::doIgnoreAll); });
    connect(cmdChange, &QPushButton::clicked, this, [this] { act(&frmSpell::doChange); });
    connect(cmdChangeAll, &QPushButton::clicked, this, [this] { act(&frmSpell::doChangeAll); });
    connect(cmdAdd, &QPushButton::clicked, this, [this] { act(&frmSpell::doAdd); });
    connect(cmdClose, &QPushButton::clicked, this, &frmSpell::reject);
    setAnswering(false);
}

void frmSpell::start()
{
    m_walkTime.start();
    walk();
}

void frmSpell::walk()
{
    const QPointer<frmSpell> self(this);
    try {
        while (!m_ended) {
            switch (m_checker.advance(QDeadlineTimer(kSliceMs))) {
            case SpellChecker::Progress::Finished:
                end(Outcome::Finished);
                return;
            case SpellChecker::Progress::UnknownWord:
                showWord();
                return;
            case SpellChecker::Progress::TimeUp:
                break;
            }
            // Once shown, the window is modal: the program's own event loop
            // runs and only the window takes input (Close works meanwhile).
            if (isVisible()) {
                QTimer::singleShot(0, this, &frmSpell::walk);
                return;
            }
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            if (!self)
                return;
            // Showing the window takes a while of its own: events run first.
            if (m_walkTime.hasExpired(kShowCheckingMs)) {
                showChecking();
                QTimer::singleShot(0, this, &frmSpell::walk);
                return;
            }
        }
    } catch (...) {
        if (self)
            end(Outcome::Failed);
    }
}

void frmSpell::act(void (frmSpell::*action)())
{
    if (!m_atWord || m_ended)
        return;
    try {
        (this->*action)();
    } catch (...) {
        end(Outcome::Failed);
        return;
    }
    m_atWord = false;
    setAnswering(false);
    m_walkTime.start();
    walk();
}

void frmSpell::doIgnore()
{
    m_checker.ignore();
}

void frmSpell::doIgnoreAll()
{
    m_checker.ignoreAll();
}

void frmSpell::doChange()
{
    m_checker.change(txtChangeTo->text());
}

void frmSpell::doChangeAll()
{
    m_checker.changeAll(txtChangeTo->text());
}

void frmSpell::doAdd()
{
    m_checker.add();
}

void frmSpell::showWord()
{
    const SpellChecker::Context context = m_checker.context();
    const QStringList suggestions = m_checker.suggestions();
    txtContext->setPlainText(context.line);
    QTextCursor cursor = txtContext->textCursor();
    cursor.setPosition(int(context.wordStart));
    cursor.setPosition(int(context.wordStart + context.wordLength), QTextCursor::KeepAnchor);
    txtContext->setTextCursor(cursor);
    // The word stays marked while the focus is elsewhere.
    QTextEdit::ExtraSelection mark;
    mark.cursor = cursor;
    mark.format.setBackground(palette().highlight());
    mark.format.setForeground(palette().highlightedText());
    txtContext->setExtraSelections({mark});
    {
        const QSignalBlocker quiet(lstSuggestions);
        lstSuggestions->clear();
        lstSuggestions->addItems(suggestions);
    }
    m_atWord = true;
    txtChangeTo->setText(suggestions.isEmpty() ? m_checker.word() : suggestions.first());
    setAnswering(true);
    if (!isVisible())
        show();
    raise();
    activateWindow();
    txtChangeTo->setFocus();
    txtChangeTo->selectAll();
}

void frmSpell::showChecking()
{
    txtContext->setExtraSelections({});
    txtContext->setPlainText(QStringLiteral("Checking..."));
    show();
}

void frmSpell::setAnswering(bool answering)
{
    for (QWidget *w : {static_cast<QWidget *>(cmdIgnore), static_cast<QWidget *>(cmdIgnoreAll),
                       static_cast<QWidget *>(cmdAdd), static_cast<QWidget *>(txtChangeTo),
                       static_cast<QWidget *>(lstSuggestions)})
        w->setEnabled(answering);
    // A change to nothing would delete the word (everywhere, for Change All).
    const bool canChange = answering && !txtChangeTo->text().isEmpty();
    cmdChange->setEnabled(canChange);
    cmdChangeAll->setEnabled(canChange);
}

void frmSpell::reject()
{
    end(Outcome::Closed);
}

void frmSpell::end(Outcome outcome)
{
    if (m_ended)
        return;
    m_ended = true;
    m_atWord = false;
    hide();
    emit ended(outcome);
}
