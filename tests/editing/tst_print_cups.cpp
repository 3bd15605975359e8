// Zevora tests - printing through a real CUPS queue (cups-pdf), as root.
// Starts its own scheduler when none runs, adds a queue and removes it again.
#include "FakeServices.h"

#include "QtPrintService.h"
#include "Services.h"
#include "frmPrint.h"
#include "richy.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

using namespace Platform;

namespace {

const QString Queue = QStringLiteral("ZevoraTest");
const QString GoneQueue = QStringLiteral("ZevoraGone");
const QString Title = QStringLiteral("CUPS test – café.htm");
// Where cups-pdf writes the jobs of root.
const QString CupsPdfFolder = QStringLiteral("/root/PDF");

struct Result
{
    int exitCode = -1;
    QString output;
};

Result run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(15000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput())};
}

bool schedulerRunning()
{
    return run("lpstat", {"-r"}).output.contains("scheduler is running");
}

bool addQueue(const QString &name)
{
    return run("lpadmin", {"-p", name, "-E", "-v", "cups-pdf:/", "-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"})
               .exitCode == 0;
}

// The ids of the jobs of \a which ("all" or "completed") on \a queue, or on
// every queue when it is empty.
QList<int> jobIds(const QString &which, const QString &queue = QString())
{
    QStringList arguments = {"-W", which, "-o"};
    if (!queue.isEmpty())
        arguments.append(queue);
    QList<int> ids;
    const QRegularExpression job(R"(^\S+-(\d+)\s)", QRegularExpression::MultilineOption);
    for (auto it = job.globalMatch(run("lpstat", arguments).output); it.hasNext();)
        ids.append(it.next().captured(1).toInt());
    std::sort(ids.begin(), ids.end());
    return ids;
}

// The job-name attribute in the scheduler's control file of job \a id.
QString jobName(int id)
{
    QFile control(QStringLiteral("/var/spool/cups/c%1").arg(id, 5, 10, QChar('0')));
    if (!control.open(QIODevice::ReadOnly))
        return QStringLiteral("<no control file>");
    const QByteArray bytes = control.readAll();
    // IPP: the name, then a two-byte length and the value.
    const QByteArray name = "job-name";
    const qsizetype at = bytes.indexOf(name);
    if (at < 0 || at + name.size() + 2 > bytes.size())
        return QStringLiteral("<no job-name>");
    const qsizetype start = at + name.size() + 2;
    const int length = (uchar(bytes.at(start - 2)) << 8) | uchar(bytes.at(start - 1));
    return QString::fromUtf8(bytes.mid(start, length));
}

} // namespace

class tst_PrintCups : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void eachCopyIsAJobOfItsOwnWithTheWholeText();
    void aQueueThatVanishedIsNotPrintedOn();

private:
    QProcess m_scheduler;
    bool m_queueAdded = false;
    QList<int> m_jobs;
    std::unique_ptr<FakeServices> m_services;
    QtPrintService m_printing;
};

void tst_PrintCups::initTestCase()
{
    if (geteuid() != 0)
        QSKIP("needs root: it starts its own CUPS scheduler and adds a print queue");
    for (const char *tool : {"cupsd", "lpadmin", "lpstat", "cancel", "pdftotext", "pdfinfo"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty() &&
            QStandardPaths::findExecutable(tool, {"/usr/sbin", "/sbin"}).isEmpty())
            QSKIP(qPrintable(QString("%1 is not installed (scripts/setup.sh installs it)").arg(tool)));
    }
    if (!schedulerRunning()) {
        m_scheduler.setStandardOutputFile(QProcess::nullDevice());
        m_scheduler.setStandardErrorFile(QProcess::nullDevice());
        m_scheduler.start(QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/sbin"}), {"-f"});
        QVERIFY(m_scheduler.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(schedulerRunning(), 10000);
    }
    QVERIFY(addQueue(Queue));
    m_queueAdded = true;
    QTRY_VERIFY_WITH_TIMEOUT(m_printing.printers().contains(Queue), 10000);

    m_services = std::make_unique<FakeServices>();
    Services::installPrinting(&m_printing);
}

void tst_PrintCups::cleanupTestCase()
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

void tst_PrintCups::eachCopyIsAJobOfItsOwnWithTheWholeText()
{
    // Sixty lines at 24 points take three pages on A4 and on Letter alike.
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
    QCOMPARE(dialog.cboPrinters->currentText(), Queue);
    QTest::keyClicks(dialog.txtCopies, "2");
    dialog.cmdPrint->click();
    QVERIFY(m_services->messages.shown.isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    QTRY_COMPARE_WITH_TIMEOUT(jobIds("completed", Queue).size(), 2, 40000);
    m_jobs = jobIds("completed", Queue);
    for (int id : std::as_const(m_jobs)) {
        // The scheduler writes a job's control file a moment after the job.
        QTRY_COMPARE_WITH_TIMEOUT(jobName(id), Title, 15000);
        // The scheduler keeps the document it was given: the program's own PDF.
        const QString spooled = QString("/var/spool/cups/d%1-001").arg(id, 5, 10, QChar('0'));
        QStringList pages = run("pdftotext", {"-enc", "UTF-8", spooled, "-"}).output.split('\f');
        QCOMPARE(pages.takeLast(), QString());
        QCOMPARE(pages.size(), 3);
        QStringList printed;
        for (const QString &text : pages)
            printed += text.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(printed, lines);
        // What cups-pdf made of it has the pages (its text cannot be extracted).
        const QStringList made = QDir(CupsPdfFolder).entryList({QString("*job_%1.pdf").arg(id)});
        QCOMPARE(made.size(), 1);
        const QString info = run("pdfinfo", {CupsPdfFolder + "/" + made.first()}).output;
        QVERIFY2(info.contains(QRegularExpression("^Pages:\\s+3$", QRegularExpression::MultilineOption)),
                 qPrintable(info));
    }
}

void tst_PrintCups::aQueueThatVanishedIsNotPrintedOn()
{
    QVERIFY(addQueue(GoneQueue));
    QTRY_VERIFY_WITH_TIMEOUT(m_printing.printers().contains(GoneQueue), 10000);
    richy page;
    page.loadText("never printed");
    frmPrint dialog;
    dialog.setTB(&page);
    dialog.setJobTitle(Title);
    dialog.cboPrinters->setCurrentText(GoneQueue);
    QCOMPARE(dialog.cboPrinters->currentText(), GoneQueue);

    QCOMPARE(run("lpadmin", {"-x", GoneQueue}).exitCode, 0);
    const QList<int> before = jobIds("all");
    m_services->messages.allowUnscripted(true);
    dialog.cmdPrint->click();

    const MessageBox failed{"Zevora Note:", "The page could not be printed on ZevoraGone.",
                            MsgIcon::Exclamation};
    QCOMPARE(m_services->messages.shown, QList<MessageBox>{failed});
    QCOMPARE(dialog.result(), 0);
    QCOMPARE(jobIds("all"), before);
}

QTEST_MAIN(tst_PrintCups)
#include "tst_print_cups.moc"
