// Zevora - what a document window needs from the frame that hosts it.
#pragma once

#include <QPoint>
#include <QString>

class frmKid;

/// Tool strip indexes that document windows drive.
namespace Tool {
enum Index
{
    New = 0,
    Open,
    Close,
    Save,
    SaveAs,
    Undo,
    Cut,
    Copy,
    Paste,
    Redo,
    Spelling,
    Find,
    Replace,
    WebSafeColor,
    CustomColor,
    HtmlPreview,
    Print,
    Count
};
}

/// Which Edit menu items a right-click on the page enables.
struct EditMenuState
{
    bool cut = false;
    bool copy = false;
    bool paste = false;
    bool deleteSelection = false;
    bool selectAll = false;
    bool undo = false;
    bool redo = false;
};

/// The frame side of a document window: its tool strip, caret label and menus.
class DocumentHost
{
public:
    virtual ~DocumentHost() = default;

    /// Enables or disables tool \a index, showing its enabled picture
    /// (100 + index) or its disabled picture (200 + index).
    virtual void setToolEnabled(int index, bool enabled) = 0;
    virtual bool isToolEnabled(int index) const = 0;
    /// The caret label.
    virtual void setCaretText(const QString &text) = 0;
    virtual void setSelectAllEnabled(bool enabled) = 0;
    /// The Edit and Current menus.
    virtual void setDocumentMenusEnabled(bool enabled) = 0;
    /// Opens the Edit menu at \a globalPos with its items set from \a state.
    virtual void popupEditMenu(const QPoint &globalPos, const EditMenuState &state) = 0;
    /// Saves \a document as the user asked when it closes; false when the
    /// page was not saved (cancelled or failed).
    virtual bool saveDocument(frmKid *document) = 0;
    /// \a document has closed and is about to be destroyed.
    virtual void documentClosed(frmKid *document) = 0;
};
