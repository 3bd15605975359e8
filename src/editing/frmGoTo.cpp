// Zevora - the Go To Line window.
#include "frmGoTo.h"

#include "GoToLine.h"
#include "MessageService.h"
#include "richy.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace Platform;

frmGoTo::frmGoTo(richy *page, QWidget *parent) : QDialog(parent), m_page(page)
{
    setObjectName(QStringLiteral("frmGoTo"));
    setWindowTitle(QStringLiteral("Go To Line"));
    setModal(true);

    Label1 = new QLabel(QStringLiteral("Go To Line Number:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtLineNum = new QLineEdit(this);
    txtLineNum->setObjectName(QStringLiteral("txtLineNum"));
    Label1->setBuddy(txtLineNum);
    txtLineNum->setAccessibleName(Label1->text());
    txtLineNum->installEventFilter(this);
    cmdOK = new QPushButton(QStringLiteral("Enter"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(txtLineNum);
    layout->addLayout(buttons);

    connect(txtLineNum, &QLineEdit::textEdited, this, &frmGoTo::txtLineNum_Edited);
    connect(txtLineNum, &QLineEdit::cursorPositionChanged, this, [this](int, int position) {
        if (txtLineNum->text() == m_accepted)
            m_acceptedCursor = position;
    });
    connect(cmdOK, &QPushButton::clicked, this, &frmGoTo::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmGoTo::reject);
}

void frmGoTo::showEvent(QShowEvent *e)
{
    if (!m_placed && parentWidget()) {
        // 2000 twips right of the frame's left edge and 1000 below its top.
        const QWidget *frame = parentWidget()->window();
        const double twipsPerPixelX = 1440.0 / frame->logicalDpiX();
        const double twipsPerPixelY = 1440.0 / frame->logicalDpiY();
        move(frame->frameGeometry().topLeft() +
             QPoint(qRound(2000 / twipsPerPixelX), qRound(1000 / twipsPerPixelY)));
        m_placed = true;
    }
    QDialog::showEvent(e);
    txtLineNum->setFocus();
}

void frmGoTo::cmdOK_Click()
{
    if (!m_page) {
        reject();
        return;
    }
    const GoToLine::Target target =
        GoToLine::resolve(txtLineNum->text(), m_page->pageLines(), m_page->lineFromIndex(m_page->SelStart()));
    switch (target.kind) {
    case GoToLine::Target::Empty:
        note(QStringLiteral("Zevora Note:"), QStringLiteral("Enter a line number..."));
        txtLineNum->setFocus();
        return;
    case GoToLine::Target::Missing:
        note(QStringLiteral("Zevora Note:"),
             QStringLiteral("The line number you requested\n...does not exist."));
        txtLineNum->selectAll();
        txtLineNum->setFocus();
        return;
    case GoToLine::Target::Line:
        break;
    }
    m_page->setSelStart(m_page->lineStartIndex(target.line));
    // The line goes to the top of the view, or as near as the end of the
    // page allows; with word wrap the view counts wrapped rows. The view
    // counts the control's lines, which a long line's display breaks add
    // to: the caret, just put at the line's start, gives its control line.
    const long controlLine = m_page->SendScintilla(
        QsciScintillaBase::SCI_LINEFROMPOSITION, m_page->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS));
    const long row =
        m_page->SendScintilla(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, (unsigned long)controlLine);
    m_page->SendScintilla(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, (unsigned long)row);
    accept();
}

void frmGoTo::txtLineNum_Edited(const QString &text)
{
    if (GoToLine::isLineNumberText(text)) {
        m_accepted = text;
        m_acceptedCursor = txtLineNum->cursorPosition();
        return;
    }
    // Typed, pasted or dropped: whatever brought in more than digits goes.
    txtLineNum->setText(m_accepted);
    txtLineNum->setCursorPosition(m_acceptedCursor);
    refuseInput();
}

void frmGoTo::refuseInput()
{
    note(QStringLiteral("Zevora Note"), QStringLiteral("Only numbers are accepted."));
}

void frmGoTo::note(const QString &title, const QString &text)
{
    m_showingBox = true;
    message(title, text, MsgIcon::Information);
    m_showingBox = false;
}

bool frmGoTo::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == txtLineNum && e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(e)->key() == Qt::Key_Backspace) {
        refuseInput();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

bool frmGoTo::event(QEvent *e)
{
    // Losing the focus closes the window; its own boxes take the focus for
    // a while and give it back. Which window took it is known only once the
    // activation has settled.
    if (e->type() == QEvent::WindowDeactivate && !m_showingBox)
        QTimer::singleShot(0, this, &frmGoTo::closeIfFocusLost);
    return QDialog::event(e);
}

bool frmGoTo::ownsWindow(const QWidget *window) const
{
    for (const QWidget *w = window; w; w = w->parentWidget()) {
        if (w == this)
            return true;
    }
    return false;
}

void frmGoTo::closeIfFocusLost()
{
    if (!isVisible() || m_showingBox || isActiveWindow() || ownsWindow(QApplication::activeWindow()))
        return;
    reject();
}
