// Zevora tests - a program that types into a page and waits to be killed.
//   recovery_typist FOLDER TEXT [FILE]
// Runs the frame with its recovery journals in FOLDER, opens FILE (or a new
// page), types TEXT at the end of the page ("\n" presses Return), prints
// "ready" once the page's journal is on disk, and runs until it is killed.
#include "FakeServices.h"
#include "TestSettings.h"

#include "FileCommands.h"
#include "RecoveryJournals.h"
#include "frmKid.h"
#include "richy.h"
#include "topForm.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3)
        return 2;
    TestSettings settings;
    FakeServices services;
    services.sound.available = false;
    services.messages.allowUnscripted(true);
    RecoveryJournals journals(arguments.at(1));
    journals.setDelays(20, 1000);
    topForm frame;
    frame.setJournals(&journals);
    frmKid *page =
        arguments.size() > 3 ? frame.files()->OpenDocument(arguments.at(3)) : frame.files()->NewPage(true);
    if (!page)
        return 3;
    page->richy->setSelStart(page->richy->textLength());
    for (const QChar c : arguments.at(2)) {
        if (c == u'\n') {
            QTest::keyClick(page->richy, Qt::Key_Return);
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(page->richy, &press);
    }

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (QDir(journals.folder()).entryList({QStringLiteral("*.zevora-journal")}).isEmpty())
            return;
        poll.stop();
        std::puts("ready");
        std::fflush(stdout);
    });
    poll.start(10);
    return QApplication::exec();
}
