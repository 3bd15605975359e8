// Zevora - the frame's tool strip.
#include "ToolStrip.h"

#include "ToolPictures.h"

#include <QToolButton>

namespace {
const char *const kToolTips[] = {
    "New",  "Open",     "Close", "Save",    "Save As",       "Undo",         "Cut",          "Copy",  "Paste",
    "Redo", "Spelling", "Find",  "Replace", "WebSafe Color", "Custom Color", "HTML Preview", "Print",
};
// A wider gap comes before these tools.
bool startsGroup(int index)
{
    return index == 2 || index == 5 || index == 10 || index == 13 || index == 16;
}
} // namespace

ToolStrip::ToolStrip(QWidget *parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("Picture2"));
    setWindowTitle(tr("Tools"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    for (int i = 0; i < Resources::ToolCount; ++i) {
        if (startsGroup(i))
            addSeparator();
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("Picture1(%1)").arg(i));
        button->setToolTip(toolTipOf(i));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        // The icon holds our own disabled drawing for its Disabled mode, so
        // enabling and disabling a tool swaps its picture with it.
        button->setIcon(Resources::toolIcon(Resources::EnabledBase + i));
        connect(button, &QToolButton::clicked, this, [this, i] { emit toolClicked(i); });
        addWidget(button);
        Picture1.append(button);
        setToolEnabled(i, true);
    }
}

QString ToolStrip::toolTipOf(int index)
{
    return QString::fromLatin1(kToolTips[index]);
}

void ToolStrip::setToolEnabled(int index, bool enabled)
{
    QToolButton *button = Picture1.at(index);
    button->setProperty("picture", (enabled ? Resources::EnabledBase : Resources::DisabledBase) + index);
    button->setEnabled(enabled);
}

bool ToolStrip::isToolEnabled(int index) const
{
    return Picture1.at(index)->isEnabled();
}

int ToolStrip::pictureOf(int index) const
{
    return Picture1.at(index)->property("picture").toInt();
}
