// Zevora tests - printing through a real CUPS queue (cups-pdf), as root.
// Starts its own scheduler when none runs, adds a queue and removes it again.
#include "FakeServices.h"
#include "PdfTools.h"

#include "QtPrintService.h"
#include "Services.h"
#include "frmPrint.h"
#include "richy.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

using namespace Platform;
using PdfTools::run;

namespace {

const QString Queue = QStringLiteral("ZevoraTest");
const QString GoneQueue = QStringLiteral("ZevoraGone");
const QString Title = QStringLiteral("CUPS test – café.htm");
const QString CupsPdfFolder = QStringLiteral("/root/PDF"); // where cups-pdf puts root's jobs

bool addQueue(const QString &name)
{
    int exitCode = -1;
    run("lpadmin", {"-p", name, "-E", "-v", "cups-pdf:/", "-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"},
        &exitCode);
    return exitCode == 0;
}

// The ids of the jobs of \a which ("all" or "completed") on \a queue, or on every queue.
QList<int> jobIds(const QString &which, const QString &queue = QString())
{
    QList<int> ids;
    const QRegularExpression job(R"(^\S+-(\d+)\s)", QRegularExpression::MultilineOption);
    const QStringList arguments =
        QStringList{"-W", which, "-o"} + (queue.isEmpty() ? QStringList() : QStringList{queue});
    for (auto it = job.globalMatch(run("lpstat", arguments)); it.hasNext();)
        ids.append(it.next().captured(1).toInt());
    std::sort(ids.begin(), ids.end());
    return ids;
}

// The job-name attribute in the control file of job \a id: the name, a
// two-byte length and the value, as IPP writes them.
QString jobName(int id)
{
    QFile control(QStringLiteral("/var/spool/cups/c%1").arg(id, 5, 10, QChar('0')));
    const QByteArray bytes = control.open(QIODevice::ReadOnly) ? control.readAll() : QByteArray();
    const qsizetype start = bytes.indexOf("job-name") + 10;
    if (start < 10 || start > bytes.size())
        return QStringLiteral("<no job-name>");
    return QString::fromUtf8(
        bytes.mid(start, (uchar(bytes.at(start - 2)) << 8) | uchar(bytes.at(start - 1))));
}

} // namespace

class tst_PrintCups : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (geteuid() != 0)
            QSKIP("needs root: it starts its own CUPS scheduler and adds a print queue");
        const QString cupsd = QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/sbin"});
        for (const char *tool : {"lpadmin", "lpstat", "cancel", "pdftotext"}) {
            if (cupsd.isEmpty() || QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP("CUPS, cups-pdf or poppler-utils is missing (scripts/setup.sh installs them)");
        }
        const auto running = [] { return run("lpstat", {"-r"}).contains("scheduler is running"); };
        if (!running()) {
            m_scheduler.setStandardOutputFile(QProcess::nullDevice());
            m_scheduler.setStandardErrorFile(QProcess::nullDevice());
            m_scheduler.start(cupsd, {"-f"});
            QVERIFY(m_scheduler.waitForStarted(5000));
            QTRY_VERIFY_WITH_TIMEOUT(running(), 10000);
        }
        QVERIFY(addQueue(Queue));
        m_queueAdded = true;
        QTRY_VERIFY_WITH_TIMEOUT(m_printing.printers().contains(Queue), 10000);
        m_services = std::make_unique<FakeServices>();
        Services::installPrinting(&m_printing);
    }

    void cleanupTestCase()
    {
        m_services.reset();
        if (m_queueAdded) {
            run("cancel", {"-a", "-x", Queue});
            run("lpadmin", {"-x", Queue});
            run("lpadmin", {"-x", GoneQueue});
            for (int id : std::as_const(m_jobs)) {
                for (const QString &file : QDir(CupsPdfFolder).entryList({QString("*job_%1.pdf").arg(id)}))
                    QFile::remove(CupsPdfFolder + "/" + file);
            }
        }
        if (m_scheduler.state() != QProcess::NotRunning) {
            m_scheduler.terminate();
            if (!m_scheduler.waitForFinished(10000))
                m_scheduler.kill();
            m_scheduler.waitForFinished(2000);
        }
    }

    void eachCopyIsAJobOfItsOwnWithTheWholeText()
    {
        QStringList lines;
        for (int i = 1; i <= 60; ++i)
            lines.append(QString("Zeile %1 – prix %2 €").arg(i).arg(i * 3));
        richy page;
        page.setFont(QFont("DejaVu Sans Mono", 24));
        page.loadText(lines.join("\r\n").toUtf8());
        frmPrint dialog;
        dialog.setTB(&page);
        dialog.setJobTitle(Title);
        dialog.cboPrinters->setCurrentText(Queue);
        QTest::keyClicks(dialog.txtCopies, "2");
        dialog.cmdPrint->click();
        QVERIFY(m_services->messages.shown.isEmpty());

        QTRY_COMPARE_WITH_TIMEOUT(jobIds("completed", Queue).size(), 2, 40000);
        m_jobs = jobIds("completed", Queue);
        for (int id : std::as_const(m_jobs)) {
            // The scheduler writes a job's control file a moment after the job.
            QTRY_COMPARE_WITH_TIMEOUT(jobName(id), Title, 15000);
            // The document the scheduler kept is the program's own PDF: sixty
            // lines at 24 points take three pages on A4 and on Letter alike.
            const QString spooled = QString("/var/spool/cups/d%1-001").arg(id, 5, 10, QChar('0'));
            QCOMPARE(PdfTools::pages(spooled).size(), 3);
            QCOMPARE(PdfTools::lines(spooled), lines);
        }
    }

    void aQueueThatVanishedIsNotPrintedOn()
    {
        QVERIFY(addQueue(GoneQueue));
        QTRY_VERIFY_WITH_TIMEOUT(m_printing.printers().contains(GoneQueue), 10000);
        richy page;
        page.loadText("never printed");
        frmPrint dialog;
        dialog.setTB(&page);
        dialog.cboPrinters->setCurrentText(GoneQueue);
        QCOMPARE(dialog.cboPrinters->currentText(), GoneQueue);
        int exitCode = -1;
        run("lpadmin", {"-x", GoneQueue}, &exitCode);
        QCOMPARE(exitCode, 0);

        const QList<int> before = jobIds("all");
        m_services->messages.allowUnscripted(true);
        dialog.cmdPrint->click();
        const MessageBox failed{"Zevora Note:", "The page could not be printed on ZevoraGone.",
                                MsgIcon::Exclamation};
        QCOMPARE(m_services->messages.shown, QList<MessageBox>{failed});
        QCOMPARE(jobIds("all"), before);
    }

private:
    QProcess m_scheduler;
    bool m_queueAdded = false;
    QList<int> m_jobs;
    std::unique_ptr<FakeServices> m_services;
    QtPrintService m_printing;
};

QTEST_MAIN(tst_PrintCups)
#include "tst_print_cups.moc"
