// Zevora - the editor background chooser.
#include "frmBG.h"

#include "CRegSettings.h"
#include "ColourCode.h"
#include "frmKid.h"
#include "richy.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QPainter>

using namespace ColourCode;

namespace {

QColor toColor(ColourValue colour)
{
    return QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
}

// A colour label; the chooser draws the rims around the labels.
class ColourLabel : public QAbstractButton
{
public:
    ColourLabel(ColourValue colour, QWidget *parent) : QAbstractButton(parent), m_colour(toColor(colour))
    {
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), m_colour); }

private:
    QColor m_colour;
};

} // namespace

frmBG::frmBG(frmKid *page, QWidget *parent) : QDialog(parent, Qt::Popup), m_page(page)
{
    setObjectName(QStringLiteral("frmBG"));
    setWindowTitle(QStringLiteral("Background"));
    setAccessibleName(QStringLiteral("Background"));
    setMouseTracking(true);
    // 660 by 180 twips, one column 60 twips from the left, 248 twips apart.
    for (int i = 0; i < BackgroundCount; ++i) {
        auto *label = new ColourLabel(backgroundColour(i), this);
        label->setObjectName(QStringLiteral("lblColor(%1)").arg(i));
        const QString code = QLatin1Char('#') + colourToHex(backgroundColour(i));
        label->setAccessibleName(code);
        label->setToolTip(code);
        label->setGeometry(twips(60), twips(45 + 248 * i), twips(660), twips(180));
        label->setMouseTracking(true);
        label->installEventFilter(this);
        connect(label, &QAbstractButton::clicked, this, [this, i] { lblColor_Click(i); });
        lblColor.append(label);
    }
    setFixedSize(twips(60 + 660 + 60), twips(45 + 248 * (BackgroundCount - 1) + 180 + 60));
}

frmBG::~frmBG() = default;

void frmBG::showModal(frmKid *page, QWidget *frame)
{
    frmBG chooser(page, frame);
    const QPoint corner = frame->frameGeometry().topLeft();
    chooser.move(corner + QPoint(chooser.twips(2300), chooser.twips(630)));
    chooser.exec();
}

int frmBG::twips(int value) const
{
    return qRound(value * logicalDpiX() / 1440.0);
}

QRect frmBG::rimOf(const QAbstractButton *label) const
{
    const QRect box = label->geometry();
    return QRect(QPoint(box.left() - twips(30), box.top() - twips(30)),
                 QPoint(box.right() + twips(15), box.bottom() + twips(15)));
}

void frmBG::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    // A grey rim around every colour, a red one around the marked colour.
    for (qsizetype i = 0; i < lblColor.size(); ++i) {
        painter.setPen(i == m_marked ? QColor(255, 102, 102) : QColor(191, 191, 191));
        painter.drawRect(rimOf(lblColor.at(i)));
    }
}

bool frmBG::eventFilter(QObject *watched, QEvent *event)
{
    const auto index = int(lblColor.indexOf(qobject_cast<QAbstractButton *>(watched)));
    if (index >= 0) {
        const QEvent::Type type = event->type();
        if (type == QEvent::Enter || type == QEvent::FocusIn || type == QEvent::MouseMove) {
            if (m_marked != index) {
                m_marked = index;
                update();
            }
        } else if (type == QEvent::Leave && m_marked == index && !lblColor.at(index)->hasFocus()) {
            m_marked = -1;
            update();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmBG::mousePressEvent(QMouseEvent *event)
{
    // A click beside the colours closes the chooser (a click outside it
    // closes it as a popup).
    event->accept();
    reject();
}

void frmBG::lblColor_Click(int index)
{
    const ColourValue colour = backgroundColour(index);
    if (m_page && !m_page->isClosing())
        m_page->richy->setPaper(toColor(colour));
    CRegSettings().SaveRegSetting(QStringLiteral("background"), QStringLiteral("bgColor"),
                                  QString::number(colour));
    accept();
}
