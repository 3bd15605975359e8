// Zevora - the Find window.
#include "frmFind.h"

#include "MessageService.h"
#include "PageFinder.h"
#include "RichyText.h"
#include "cHourglass.h"
#include "frmKid.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Platform;

namespace {
const QString kNoteTitle = QStringLiteral("Zevora Note:");

} // namespace

frmFind::frmFind(QWidget *frame) : PageToolWindow(frame)
{
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("Find"));

    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setAccessibleName(QStringLiteral("Search string"));
    cmdFind = new QPushButton(QStringLiteral("Find"), this);
    cmdFind->setObjectName(QStringLiteral("cmdFind"));
    cmdFindNext = new QPushButton(QStringLiteral("Find Next"), this);
    cmdFindNext->setObjectName(QStringLiteral("cmdFindNext"));
    cmdCancel = new QPushButton(QStringLiteral("Close"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    lblEnter = new QLabel(this);
    lblEnter->setObjectName(QStringLiteral("lblEnter"));
    lblResult = new QLabel(this);
    lblResult->setObjectName(QStringLiteral("lblResult"));
    lblResult->setTextFormat(Qt::PlainText);
    lblResult->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for two lines, so that the window keeps its size.
    lblResult->setMinimumHeight(2 * fontMetrics().lineSpacing());

    auto *layout = new QGridLayout(this);
    layout->addWidget(txtFind, 0, 0);
    layout->addWidget(cmdFind, 0, 1);
    layout->addWidget(lblEnter, 1, 0);
    layout->addWidget(cmdFindNext, 1, 1);
    layout->addWidget(lblResult, 2, 0, 2, 1);
    layout->addWidget(cmdCancel, 2, 1);
    layout->setColumnMinimumWidth(0, 200);
    layout->setRowStretch(3, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(txtFind, &QLineEdit::textChanged, this, &frmFind::txtFind_Change);
    connect(txtFind, &QLineEdit::returnPressed, this, [this] {
        if (cmdFind->isEnabled())
            cmdFind->click();
    });
    connect(cmdFind, &QPushButton::clicked, this, &frmFind::cmdFind_Click);
    connect(cmdFindNext, &QPushButton::clicked, this, &frmFind::cmdFindNext_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    txtFind_Change();

    // The frame's left + its width - 4600 twips, its top + 1300 twips.
    const QRect outer = frame->frameGeometry();
    move(outer.left() + outer.width() - twipsToPixels(4600), outer.top() + twipsToPixels(1300));
}

frmFind::~frmFind() = default;

void frmFind::pageChanged()
{
    // A search of another page starts afresh.
    m_nextStart = 0;
    txtFind_Change();
}

bool frmFind::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && page())
        txtFind->setFocus();
    return PageToolWindow::event(event);
}

const PageFinder &frmFind::finder()
{
    if (!m_finder || m_finder->needle() != txtFind->text())
        m_finder = std::make_unique<PageFinder>(txtFind->text(), PageFinder::Case::Ignore);
    return *m_finder;
}

void frmFind::txtFind_Change()
{
    lblEnter->setText(txtFind->text().isEmpty() ? QStringLiteral("Enter search string above...") : QString());
    cmdFindNext->setEnabled(false);
    cmdFind->setEnabled(true);
    lblResult->clear();
}

void frmFind::cmdFind_Click()
{
    if (txtFind->text().isEmpty()) {
        message(kNoteTitle, QStringLiteral("You must enter text to find..."));
        txtFind->setFocus();
        return;
    }
    // "Yes" to searching from the top runs the whole search again.
    for (;;) {
        if (!activatePage())
            return;
        frmKid *kid = page();
        qsizetype start = 0;
        try {
            lblResult->setText(QStringLiteral("Searching...\n"));
            cHourglass busy;
            const PageFinder &search = finder();
            const RichyText text(kid->richy);
            start = kid->richy->SelStart();
            const qsizetype pos = search.find(text, start);
            if (pos >= 0) {
                const qsizetype length = search.needle().size();
                kid->richy->select(pos, length);
                focusPage(kid);
                m_nextStart = pos + length;
                const qsizetype count = search.count(text, pos);
                cmdFind->setEnabled(count < 1);
                cmdFindNext->setEnabled(count > 1);
                lblResult->setText(QString::number(count) + QStringLiteral("\noccurrences"));
                return;
            }
        } catch (...) {
            // A search that cannot be done ends quietly.
            lblResult->clear();
            return;
        }
        if (start == 0) {
            lblResult->setText(QStringLiteral("The highlighted text was not found\n"));
            txtFind->setFocus();
            txtFind->selectAll();
            return;
        }
        if (!searchFromTheTop())
            return;
    }
}

void frmFind::cmdFindNext_Click()
{
    if (!activatePage())
        return;
    frmKid *kid = page();
    qsizetype pos = -1;
    try {
        pos = finder().find(RichyText(kid->richy), m_nextStart);
    } catch (...) {
        return;
    }
    if (pos < 0) {
        if (searchFromTheTop())
            cmdFind_Click();
        return;
    }
    const qsizetype length = txtFind->text().size();
    m_nextStart = pos + length;
    kid->richy->select(pos, length);
    focusPage(kid);
}

// Asks whether to search again from the top of the page. Yes puts the caret
// at the top; No clears the search.
bool frmFind::searchFromTheTop()
{
    QCoreApplication::processEvents();
    const MsgAnswer answer =
        message(QStringLiteral("Halvern"),
                QStringLiteral("String not found.\nCare to search from the top of the page?"), MsgIcon::None,
                MsgButtons::YesNo);
    if (answer == MsgAnswer::Yes) {
        if (frmKid *kid = page()) {
            kid->richy->setSelStart(0);
            return true;
        }
        return false;
    }
    lblResult->clear();
    txtFind->clear();
    txtFind->setFocus();
    return false;
}
