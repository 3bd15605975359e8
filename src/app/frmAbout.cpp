// Zevora - the About box: the product, its version, what it is, and how to reach its maker.
#include "frmAbout.h"

#include "ToolPictures.h"

#include "Services.h"
#include "ShellService.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QVersionNumber>

#ifndef ZEVORA_VERSION
#error "ZEVORA_VERSION must name the version the program is built as"
#endif

namespace {

const QString MailAddress = QStringLiteral("support@tallowridge.example");
const QString WebAddress = QStringLiteral("https://tallowridge.example/zevora");

// The splash's deep blue band with its orange tag badge on the right.
class Banner : public QWidget
{
public:
    explicit Banner(QWidget *parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient ground(0, 0, width(), height());
        ground.setColorAt(0, QColor(0x1b, 0x2f, 0x4e));
        ground.setColorAt(1, QColor(0x23, 0x6b, 0x82));
        p.fillRect(rect(), ground);

        Resources::drawTagBadge(p, QPointF(width() - 56, height() / 2.0), 28);
    }
};

QFont sized(QFont font, qreal factor, QFont::Weight weight)
{
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setWeight(weight);
    return font;
}

} // namespace

frmAbout::frmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Zevora"));
    setModal(true);

    auto *banner = new Banner(this);
    banner->setObjectName(QStringLiteral("banner"));
    banner->setMinimumHeight(96);

    lblProduct = new QLabel(QStringLiteral("Zevora"), banner);
    lblProduct->setObjectName(QStringLiteral("lblProduct"));
    lblProduct->setFont(sized(font(), 2.4, QFont::Bold));
    lblVersion = new QLabel(versionText(QCoreApplication::applicationVersion()), banner);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (QLabel *label : {lblProduct, lblVersion}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText,
                         label == lblProduct ? QColor(Qt::white) : QColor(0xd4, 0xe6, 0xf2));
        label->setPalette(palette);
    }
    auto *bannerText = new QVBoxLayout(banner);
    bannerText->setContentsMargins(24, 16, 110, 16);
    bannerText->setSpacing(2);
    bannerText->addWidget(lblProduct);
    bannerText->addWidget(lblVersion);

    lblDescription = new QLabel(
        QStringLiteral("   ...is a third-generation, text-based HTML editor. It is well tested freeware, but "
                       "since it is ever-evolving, minor bugs can and do appear from time to time. If you "
                       "have any problems, or suggestions for future releases, then by all means contact "
                       "me at the link below."),
        this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    lblDescription->setMinimumWidth(380);

    lblMail = makeLinkLabel("lblMail", MailAddress);
    lblWeb = makeLinkLabel("lblWeb", WebAddress);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(88);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(24, 18, 24, 18);
    body->setSpacing(6);
    body->addWidget(lblDescription);
    body->addSpacing(12);
    body->addWidget(lblMail);
    body->addWidget(lblWeb);
    body->addSpacing(14);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    body->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(banner);
    layout->addLayout(body);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    cmdOK->setFocus();
}

void frmAbout::showModal(QWidget *parent)
{
    frmAbout box(parent);
    box.exec();
}

QString frmAbout::versionText(const QString &applicationVersion)
{
    QVersionNumber version = QVersionNumber::fromString(applicationVersion);
    if (version.isNull())
        version = QVersionNumber::fromString(QStringLiteral(ZEVORA_VERSION));
    return QStringLiteral("Version %1.%2.%3")
        .arg(version.majorVersion())
        .arg(version.minorVersion())
        .arg(version.microVersion());
}

QUrl frmAbout::linkUrl(const QString &text)
{
    if (text.contains(QLatin1Char('@')))
        return QUrl(QStringLiteral("mailto:") + text);
    return QUrl::fromUserInput(text);
}

QLabel *frmAbout::makeLinkLabel(const char *name, const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    label->setFocusPolicy(Qt::StrongFocus);
    label->setToolTip(linkUrl(text).toString());
    label->installEventFilter(this);
    return label;
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = qobject_cast<QLabel *>(watched);
    if (label && (label == lblMail || label == lblWeb)) {
        bool open = false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            // Taken here so that the release, where the link opens, comes to the label too.
            return static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        case QEvent::MouseButtonRelease: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            open = mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint());
            break;
        }
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            open = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
            break;
        }
        default:
            break;
        }
        if (open) {
            Platform::Services::shell().openUrl(linkUrl(label->text()));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
