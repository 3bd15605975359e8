// Zevora - the page colours dialog (Dialogs > Page Colors).
#pragma once

#include "BodyTag.h"
#include "PageToolWindow.h"
#include "PaletteRecipient.h"

#include <QList>

class QGroupBox;
class QLabel;
class QPushButton;
class frmKid;

/// Edits the five colours of a page's BODY tag. It reads the tag when it
/// opens, shows its colours, lets the user pick new ones from the web-safe
/// palette or the colour dialog, and on Select writes the rebuilt tag over
/// the old one (or at the caret of a page without a tag) as one undo step.
/// It works on the page it was opened on, and closes when that page goes.
///
/// cmdColor(0) to cmdColor(4) pick from the palette, cmdColor(5) to
/// cmdColor(9) from the colour dialog, each for bgColor, text, link, alink
/// and vlink.
class frmPageColors : public PageToolWindow, public PaletteRecipient
{
    Q_OBJECT

public:
    explicit frmPageColors(QWidget *frame);
    ~frmPageColors() override;

    /// Opens the dialog on \a page: reads its tag, shows what reading has to
    /// say, and shows the dialog; null (and nothing shown) when the user
    /// cancelled at the question about an unreadable tag.
    static frmPageColors *showFor(frmKid *page, QWidget *frame);

    /// Reads \a page's BODY tag and binds the dialog to the page. False when
    /// the user cancelled (or the page went meanwhile).
    bool readBodyTag(frmKid *page);

    /// The record and what was read (mColors).
    const BodyTag &colours() const { return mColors; }

    void paletteColour(int mode, Platform::ColourValue colour, const QString &tag) override;

    QLabel *Label1 = nullptr;
    QGroupBox *framSafe = nullptr;
    QGroupBox *framFull = nullptr;
    QList<QPushButton *> cmdColor;
    QGroupBox *framPage = nullptr;
    QWidget *picBG = nullptr;
    QLabel *lblText = nullptr;
    QLabel *lblLink = nullptr;
    QLabel *lblAlink = nullptr;
    QLabel *lblVlink = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    void cmdColor_Click(int index);
    void cmdOK_Click();
    void showColours();

    BodyTag mColors;
    // The attribute the palette opened for picks.
    int m_pickFor = -1;
};
