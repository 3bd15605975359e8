// Zevora - the web-safe palette.
#include "frmColors.h"

#include "ColourCode.h"
#include "PaletteRecipient.h"
#include "frmKid.h"
#include "richy.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QPainter>
#include <QScreen>
#include <QTimer>

using namespace ColourCode;

namespace {

// A swatch: a box of its colour, with a dotted ring while it has the focus.
// The arrow keys are the palette's, which moves through rows and columns.
class Swatch : public QAbstractButton
{
public:
    Swatch(ColourValue colour, QWidget *parent) : QAbstractButton(parent), m_colour(colour)
    {
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QColor colour(int(m_colour & 0xFF), int(m_colour >> 8 & 0xFF), int(m_colour >> 16 & 0xFF));
        painter.fillRect(rect(), colour);
        if (hasFocus()) {
            painter.setPen(QPen(colour.lightness() > 128 ? Qt::black : Qt::white, 1, Qt::DotLine));
            painter.drawRect(rect().adjusted(1, 1, -2, -2));
        }
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            event->ignore();
            return;
        default:
            QAbstractButton::keyPressEvent(event);
        }
    }

private:
    ColourValue m_colour;
};

} // namespace

frmColors::frmColors(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmColors"));
    setWindowTitle(QStringLiteral("Click for Color Tag..."));
    setAttribute(Qt::WA_DeleteOnClose);
    setCursor(Qt::CrossCursor);

    // 285 twips boxes, 315 twips apart across and 300 down.
    for (int i = 0; i < WebSafeCount; ++i) {
        const int row = i / WebSafeColumns;
        const int column = i % WebSafeColumns;
        const ColourValue colour = webSafeColour(i);
        auto *swatch = new Swatch(colour, this);
        swatch->setObjectName(QStringLiteral("Text1(%1)").arg(i));
        const QString code = QLatin1Char('#') + colourToHex(colour);
        swatch->setAccessibleName(code);
        swatch->setToolTip(code);
        swatch->setGeometry(twips(315 * column), twips(15 + 300 * row), twips(285), twips(285));
        connect(swatch, &QAbstractButton::clicked, this, [this, i] { swatchClicked(i); });
        Text1.append(swatch);
    }
    setFixedSize(twips(315 * (WebSafeColumns - 1) + 285), twips(15 + 300 * 17 + 285 + 15));
}

frmColors::~frmColors() = default;

int frmColors::twips(int value) const
{
    return qRound(value * logicalDpiX() / 1440.0);
}

void frmColors::doYourDuty(int mode, frmKid *page)
{
    m_mode = mode;
    m_recipient = nullptr;
    setModal(false);
    if (!windowFlags().testFlag(Qt::Tool))
        setWindowFlag(Qt::Tool);
    if (page != m_page) {
        disconnect(m_watch);
        m_page = page;
        // The page's own end closes the palette (once control is back in
        // the event loop: the frame may be tearing down its page area).
        if (page)
            m_watch = connect(page, &QObject::destroyed, this,
                              [this] { QTimer::singleShot(0, this, &QWidget::close); });
    }
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen();
    const QRect area = screen->geometry();
    const QRect outer = frameGeometry();
    move(area.right() + 1 - (outer.width() + twips(120)), area.top() + twips(120));
}

void frmColors::doYourDuty(int mode, PaletteRecipient *recipient)
{
    m_mode = mode;
    m_recipient = recipient;
    setModal(true);
}

frmKid *frmColors::page() const
{
    return m_page && !m_page->isClosing() ? m_page.data() : nullptr;
}

void frmColors::swatchClicked(int index)
{
    m_picked = index;
    accept();
}

void frmColors::done(int result)
{
    const int picked = std::exchange(m_picked, NoPick);
    const bool valid = picked >= 0 && picked < WebSafeCount;
    const ColourValue colour = valid ? webSafeColour(picked) : 0;
    if (m_mode != InsertAtCaret) {
        if (valid && m_recipient)
            m_recipient->paletteColour(m_mode, colour, colourTag(colour));
        QDialog::done(result);
        return;
    }
    // The palette is out of the way (and may be gone) before its page takes
    // the code.
    const QPointer<frmKid> kid = page();
    QDialog::done(result);
    if (!valid || !kid)
        return;
    QCoreApplication::processEvents();
    if (!kid || kid->isClosing())
        return;
    if (QMdiArea *area = kid->mdiArea(); area && area->activeSubWindow() != kid)
        area->setActiveSubWindow(kid);
    kid->kidPaste(colourTag(colour));
    kid->richy->activateWindow();
    kid->richy->setFocus();
}

void frmColors::keyPressEvent(QKeyEvent *event)
{
    const int step = [event] {
        switch (event->key()) {
        case Qt::Key_Left:
            return -1;
        case Qt::Key_Right:
            return 1;
        case Qt::Key_Up:
            return -WebSafeColumns;
        case Qt::Key_Down:
            return WebSafeColumns;
        default:
            return 0;
        }
    }();
    const auto current = Text1.indexOf(qobject_cast<QAbstractButton *>(focusWidget()));
    if (step != 0 && current >= 0) {
        const qsizetype next = current + step;
        if (next >= 0 && next < Text1.size())
            Text1.at(next)->setFocus(Qt::TabFocusReason);
        return;
    }
    QDialog::keyPressEvent(event);
}
