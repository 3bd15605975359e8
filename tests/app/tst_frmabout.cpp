// Zevora tests - the About box: the version, and the link labels.
#include "FakeServices.h"

#include "frmAbout.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>

class tst_frmAbout : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_services = std::make_unique<FakeServices>();
        m_box = std::make_unique<frmAbout>();
        m_box->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_box.get()));
    }

    void cleanup()
    {
        m_box.reset();
        m_services.reset();
    }

    void theVersionIsMajorMinorRevision_data()
    {
        QTest::addColumn<QString>("applicationVersion");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, const char *version, const char *shown) {
            QTest::newRow(name) << QString(version) << QString(shown);
        };
        row("three parts", "2.7.13", "Version 2.7.13");
        row("a missing revision counts as 0", "3.1", "Version 3.1.0");
        row("a fourth part is not shown", "5.6.7.8", "Version 5.6.7");
        row("no version: the built one", "", "Version " ZEVORA_VERSION);
    }

    void theVersionIsMajorMinorRevision()
    {
        QFETCH(QString, applicationVersion);
        QFETCH(QString, shown);
        QCOMPARE(frmAbout::versionText(applicationVersion), shown);
        // The label shows the application's own version.
        const QString before = QCoreApplication::applicationVersion();
        QCoreApplication::setApplicationVersion(applicationVersion);
        QCOMPARE(frmAbout().lblVersion->text(), shown);
        QCoreApplication::setApplicationVersion(before);
    }

    void aLinkLabelOpensItsTextThroughTheShell_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<QUrl>("opened");
        QTest::addRow("a click on the web address")
            << "lblWeb" << false << QUrl("https://tallowridge.example/zevora");
        QTest::addRow("Enter on the mail address")
            << "lblMail" << true << QUrl("mailto:support@tallowridge.example");
        // What a typed address would open.
        QTest::addRow("an address without its scheme")
            << "www.example.org" << false << QUrl("http://www.example.org");
    }

    void aLinkLabelOpensItsTextThroughTheShell()
    {
        QFETCH(QString, label);
        QFETCH(bool, byKey);
        QFETCH(QUrl, opened);
        auto *link = m_box->findChild<QLabel *>(label);
        if (!link) {
            QCOMPARE(frmAbout::linkUrl(label), opened);
            return;
        }
        if (byKey) {
            link->setFocus();
            QTest::keyClick(link, Qt::Key_Return);
        } else {
            QTest::mouseClick(link, Qt::LeftButton);
        }
        QCOMPARE(m_services->shell.opened, QList<QUrl>{opened});
        QVERIFY(m_box->isVisible());
    }

    // Only a click that ends on a link opens it; OK closes the box.
    void otherClicksOpenNothingAndOkCloses()
    {
        QTest::mouseClick(m_box->lblDescription, Qt::LeftButton);
        // Pressed on the link, let go beside it: the user changed their mind.
        QTest::mousePress(m_box->lblWeb, Qt::LeftButton);
        QTest::mouseRelease(m_box->lblWeb, Qt::LeftButton, {}, QPoint(m_box->lblWeb->width() + 20, 2));
        QTest::mouseClick(m_box->lblWeb, Qt::RightButton);
        QVERIFY(m_box->isModal() && m_box->isVisible());
        QTest::mouseClick(m_box->cmdOK, Qt::LeftButton);
        QVERIFY(!m_box->isVisible());
        QCOMPARE(m_box->result(), int(QDialog::Accepted));
        QVERIFY(m_services->shell.opened.isEmpty());
    }

private:
    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<frmAbout> m_box;
};

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
