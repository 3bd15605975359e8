// Zevora - the page colours dialog.
#include "frmPageColors.h"

#include "ColourCode.h"
#include "MessageService.h"
#include "Services.h"
#include "frmColors.h"
#include "frmKid.h"
#include "richy.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Platform;

namespace {

const char *const kCaptions[] = {"bgColor", "text", "link", "alink", "vlink"};

QColor toColor(ColourValue colour)
{
    return QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
}

QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &caption)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setAutoFillBackground(true);
    return frame;
}

QLabel *makePreview(QWidget *parent, const char *name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

frmPageColors::frmPageColors(QWidget *frame) : PageToolWindow(frame)
{
    setObjectName(QStringLiteral("frmPageColors"));
    setWindowTitle(QStringLiteral("Page Color Dialog"));

    Label1 = new QLabel(QStringLiteral("Make Selections"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAutoFillBackground(true);
    framSafe = makeFrame(this, "framSafe", QStringLiteral("Choose from Web-Safe Colors"));
    framFull = makeFrame(this, "framFull", QStringLiteral("Choose From Full Color"));
    auto *safe = new QVBoxLayout(framSafe);
    auto *full = new QVBoxLayout(framFull);
    for (int i = 0; i < 10; ++i) {
        auto *button = new QPushButton(QLatin1String(kCaptions[i % 5]), i < 5 ? framSafe : framFull);
        button->setObjectName(QStringLiteral("cmdColor(%1)").arg(i));
        button->setAutoDefault(false);
        (i < 5 ? safe : full)->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, i] { cmdColor_Click(i); });
        cmdColor.append(button);
    }

    framPage = makeFrame(this, "framPage", QStringLiteral("Page Colors"));
    picBG = new QWidget(framPage);
    picBG->setObjectName(QStringLiteral("picBG"));
    picBG->setAutoFillBackground(true);
    picBG->setMinimumSize(140, 120);
    lblText = makePreview(picBG, "lblText", QStringLiteral("Text Color"));
    lblLink = makePreview(picBG, "lblLink", QStringLiteral("Link Color"));
    lblAlink = makePreview(picBG, "lblAlink", QStringLiteral("alink Color"));
    lblVlink = makePreview(picBG, "lblVlink", QStringLiteral("vlink Color"));
    auto *preview = new QVBoxLayout(picBG);
    for (QLabel *label : {lblText, lblLink, lblAlink, lblVlink})
        preview->addWidget(label);
    (new QVBoxLayout(framPage))->addWidget(picBG);

    cmdOK = new QPushButton(QStringLiteral("Select"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdOK, &QPushButton::clicked, this, &frmPageColors::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0, 1, 3);
    layout->addWidget(framSafe, 1, 0);
    layout->addWidget(framFull, 1, 1);
    layout->addWidget(framPage, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons, 2, 0, 1, 3);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The dialog and its frames in grey; the buttons keep their own look.
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(153, 153, 153));
    setPalette(grey);
    setAutoFillBackground(true);
    for (QPushButton *button : std::as_const(cmdColor) + QList<QPushButton *>{cmdOK, cmdCancel})
        button->setPalette(QApplication::palette(button));
}

frmPageColors::~frmPageColors() = default;

frmPageColors *frmPageColors::showFor(frmKid *page, QWidget *frame)
{
    auto *dialog = new frmPageColors(frame);
    if (!dialog->readBodyTag(page)) {
        delete dialog;
        return nullptr;
    }
    const QScreen *screen = frame->screen();
    dialog->move(screen->geometry().topLeft());
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

bool frmPageColors::readBodyTag(frmKid *page)
{
    bindTo(page);
    const QPointer<frmPageColors> self = this;
    mColors = BodyTag::read(page->richy->Text());
    for (const MessageBox &note : mColors.notes())
        Services::messages().show(note);
    if (const std::optional<MessageBox> question = mColors.question()) {
        if (Services::messages().show(*question) != MsgAnswer::Ok)
            return false;
    }
    if (!self || !this->page())
        return false;
    showColours();
    return true;
}

void frmPageColors::showColours()
{
    QPalette background = picBG->palette();
    background.setColor(QPalette::Window, toColor(mColors.previewColour(cColorPage::Background)));
    picBG->setPalette(background);
    QLabel *const labels[] = {nullptr, lblText, lblLink, lblAlink, lblVlink};
    for (int i = cColorPage::Text; i < cColorPage::AttributeCount; ++i) {
        QLabel *label = labels[i];
        QPalette text = label->palette();
        text.setColor(QPalette::WindowText, toColor(mColors.previewColour(i)));
        label->setPalette(text);
    }
}

void frmPageColors::cmdColor_Click(int index)
{
    const QPointer<frmPageColors> self = this;
    // The dialog stays while a colour is being chosen, even should its page go.
    setBusy(true);
    if (index < 5) {
        m_pickFor = index;
        auto *palette = new frmColors(this);
        palette->doYourDuty(frmColors::PageColours, this);
        palette->exec();
        if (!self)
            return;
        m_pickFor = -1;
    } else {
        const QString code = ColourCode::chooseColourCode(this);
        if (!self)
            return;
        if (!code.isEmpty()) {
            mColors.pick(index - 5, code);
            showColours();
        }
    }
    setBusy(false);
}

void frmPageColors::paletteColour(int mode, ColourValue, const QString &tag)
{
    if (mode != frmColors::PageColours || m_pickFor < 0)
        return;
    mColors.pick(m_pickFor, tag);
    showColours();
}

void frmPageColors::cmdOK_Click()
{
    if (!activatePage())
        return;
    frmKid *kid = page();
    const QString text = kid->richy->Text();
    const std::optional<BodyTag::Edit> edit =
        mColors.selectEdit(text, kid->richy->SelStart(), kid->richy->SelLength());
    if (!edit) {
        Services::messages().show(BodyTag::changedNote());
        close();
        return;
    }
    kid->kidPaste(edit->text, text.mid(edit->start, edit->length), edit->start);
    focusPage(kid);
    close();
}
