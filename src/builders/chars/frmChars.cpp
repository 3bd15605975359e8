// Zevora - the special characters chooser.
#include "frmChars.h"

#include "MessageService.h"
#include "CharEntities.h"
#include "frmKid.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

using namespace Platform;

frmChars::frmChars(QWidget *frame) : PageToolWindow(frame)
{
    setObjectName(QStringLiteral("frmChars"));
    setWindowTitle(QStringLiteral("Special Characters"));

    cboCharList = new QComboBox(this);
    cboCharList->setObjectName(QStringLiteral("cboCharList"));
    cboCharList->setAccessibleName(QStringLiteral("Character List"));
    cboCharList->setEditable(true);
    // Typing is handled here, entry by entry; the combo must neither
    // complete nor add what was typed.
    cboCharList->setCompleter(nullptr);
    cboCharList->setInsertPolicy(QComboBox::NoInsert);
    cboCharList->setMaxVisibleItems(20);
    cboCharList->setMinimumContentsLength(14);
    for (int i = 0; i < CharEntities::count(); ++i)
        cboCharList->addItem(CharEntities::shown(i));
    cboCharList->setCurrentIndex(-1);
    cboCharList->setEditText(QStringLiteral("Character List"));
    cboCharList->lineEdit()->selectAll();
    // The list keeps the focus and hands keys to its edit field itself.
    cboCharList->installEventFilter(this);
    connect(cboCharList, &QComboBox::activated, this, &frmChars::cboCharList_Click);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(cboCharList);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // 2520 twips right of and 600 below the frame's top left corner.
    move(frame->frameGeometry().topLeft() + QPoint(twipsToPixels(2520), twipsToPixels(600)));
}

frmChars::~frmChars() = default;

void frmChars::cboCharList_Click(int index)
{
    if (index < 0 || index >= CharEntities::count() || !activatePage())
        return;
    frmKid *kid = page();
    kid->kidPaste(CharEntities::entity(index));
    focusPage(kid);
    close();
}

void frmChars::cboCharList_KeyPress(const QString &typedText)
{
    QLineEdit *edit = cboCharList->lineEdit();
    const int before = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const int index = CharEntities::find(edit->text().left(before) + typedText);
    if (index < 0) {
        edit->clear();
        const QPointer<frmChars> self = this;
        m_messageShown = true;
        message(QStringLiteral("No HTML Special Character"),
                typedText + QStringLiteral("  is not available"));
        if (self)
            m_messageShown = false;
        return;
    }
    cboCharList->setCurrentIndex(index);
    cboCharList_Click(index);
}

bool frmChars::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == cboCharList) {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent *>(event)->text();
            if (!text.isEmpty() && text.at(0).isPrint()) {
                cboCharList_KeyPress(text);
                return true;
            }
        } else if (event->type() == QEvent::InputMethod) {
            // A character composed with an input method or a dead key.
            const auto *input = static_cast<QInputMethodEvent *>(event);
            if (!input->commitString().isEmpty()) {
                cboCharList_KeyPress(input->commitString());
                return true;
            }
        }
    }
    return PageToolWindow::eventFilter(watched, event);
}

bool frmChars::event(QEvent *event)
{
    // The chooser is a one-choice window: once the user works elsewhere it goes.
    if (event->type() == QEvent::WindowDeactivate && !m_messageShown && isVisible())
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    return PageToolWindow::event(event);
}
