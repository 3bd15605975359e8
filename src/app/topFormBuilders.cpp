// Zevora - the frame's builder commands: the colour tools, page colours,
// background, special characters, font and rule tags, editor background.
#include "topForm.h"

#include "ColourCode.h"
#include "frmBG.h"
#include "frmBackground.h"
#include "frmChars.h"
#include "frmColors.h"
#include "frmFont.h"
#include "frmHR.h"
#include "frmKid.h"
#include "frmPageColors.h"
#include "richy.h"

#include <QMdiArea>

namespace {
void bringForward(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
} // namespace

void topForm::showPalette()
{
    frmKid *kid = pageForItems();
    if (!kid)
        return;
    // One palette; opened again, it works for the page active now.
    if (!m_palette)
        m_palette = new frmColors(this);
    m_palette->doYourDuty(frmColors::InsertAtCaret, kid);
    bringForward(m_palette);
}

void topForm::insertCustomColour()
{
    const QPointer<frmKid> kid = pageForItems();
    if (!kid)
        return;
    const QString code = ColourCode::chooseColourCode(this);
    if (code.isEmpty() || !kid || kid->isClosing())
        return;
    mdiArea->setActiveSubWindow(kid);
    kid->kidPaste(code);
    kid->richy->setFocus();
}

void topForm::showPageColours()
{
    if (m_pageColours) {
        bringForward(m_pageColours);
        return;
    }
    if (frmKid *kid = pageForItems())
        m_pageColours = frmPageColors::showFor(kid, this);
}

void topForm::showBackground()
{
    if (frmKid *kid = pageForItems())
        frmBackground::showFor(kid, m_files, this);
}

void topForm::showSpecialCharacters()
{
    frmKid *kid = pageForItems();
    if (!kid)
        return;
    if (!m_chars)
        m_chars = new frmChars(this);
    m_chars->bindTo(kid);
    bringForward(m_chars);
}

void topForm::showFontTag()
{
    if (frmKid *kid = pageForItems())
        frmFont::showModal(kid, this);
}

void topForm::showRuleTag()
{
    if (frmKid *kid = pageForItems())
        frmHR::showModal(kid, this);
}

void topForm::editorBackground()
{
    frmBG::showModal(pageForItems(), this);
}
