// Zevora tests - a frame stand-in that records what a document window drives.
#pragma once

#include "DocumentHost.h"

#include <QList>
#include <QString>

class FakeHost : public DocumentHost
{
public:
    void setToolEnabled(int index, bool enabled) override { tools[index] = enabled; }
    bool isToolEnabled(int index) const override { return tools[index]; }
    void setCaretText(const QString &text) override { caretText = text; }
    void setSelectAllEnabled(bool) override {}
    void setDocumentMenusEnabled(bool enabled) override { documentMenusEnabled = enabled; }
    void popupEditMenu(const QPoint &, const EditMenuState &state) override
    {
        lastMenu = state;
        ++menuPopups;
    }
    bool saveDocument(frmKid *document) override
    {
        saveRequests.append(document);
        return false; // no file is written here
    }
    void documentClosed(frmKid *document) override { closed.append(document); }

    bool tools[Tool::Count] = {};
    QString caretText;
    bool documentMenusEnabled = false;
    EditMenuState lastMenu;
    int menuPopups = 0;
    QList<frmKid *> saveRequests;
    QList<frmKid *> closed;
};

#include "EditStep.h"
#include <QTest>

Q_DECLARE_METATYPE(EditStep)

// Readable failure output for QCOMPARE on steps.
inline char *toString(const EditStep &step)
{
    return QTest::toString(
        QStringLiteral("(%1, \"%2\", \"%3\")").arg(step.start).arg(step.first, step.second));
}
