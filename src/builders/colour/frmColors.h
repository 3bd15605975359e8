// Zevora - the web-safe palette: 216 swatches, each giving its colour code.
#pragma once

#include "ColourDialogService.h"

#include <QDialog>
#include <QList>
#include <QPointer>

class PaletteRecipient;
class QAbstractButton;
class frmKid;

/// The palette "Click for Color Tag...". Swatch Text1(i) carries the code of
/// web-safe colour i, "#RRGGBB" in double quotes. A click picks it and closes
/// the palette; Escape closes it without a pick. What a pick does depends on
/// the mode the palette was started in:
/// - mode 0 (the WebSafe Color tool): modeless, floating over the frame at the
///   top right of the screen; the code goes in at the caret of the page the
///   palette was opened on, whichever page is active by then. When that page
///   goes, the palette closes at once and inserts nothing.
/// - modes 1 to 4: modal; the colour goes to the recipient the caller gave.
class frmColors : public QDialog
{
    Q_OBJECT

public:
    enum Mode
    {
        InsertAtCaret = 0,
        PageColours = 1,
        TableCell = 2,
        TableBackground = 3,
        TableHeader = 4
    };
    /// No swatch was picked.
    static constexpr int NoPick = 1000;

    explicit frmColors(QWidget *parent = nullptr);
    ~frmColors() override;

    /// Starts mode 0 for \a page: placed at the top right of the screen,
    /// floating, bound to \a page (a palette already open is bound anew).
    void doYourDuty(int mode, frmKid *page);
    /// Starts modes 1 to 4; the caller then runs exec().
    void doYourDuty(int mode, PaletteRecipient *recipient);

    int mode() const { return m_mode; }
    int pickedIndex() const { return m_picked; }
    /// The page a mode-0 palette writes into; null once it has gone.
    frmKid *page() const;

    /// The swatches, index = 12 * row + column.
    QList<QAbstractButton *> Text1;

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void swatchClicked(int index);
    int twips(int value) const;

    int m_mode = InsertAtCaret;
    int m_picked = NoPick;
    QPointer<frmKid> m_page;
    QMetaObject::Connection m_watch;
    PaletteRecipient *m_recipient = nullptr;
};
