// Zevora tests - the About box: its texts, the version, and the link labels.
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
    void init();
    void cleanup();

    void theBoxNamesTheProductAndWhatItIs();
    void theVersionIsMajorMinorRevision_data();
    void theVersionIsMajorMinorRevision();
    void theVersionLabelFollowsTheApplication_data();
    void theVersionLabelFollowsTheApplication();
    void clickingALinkLabelOpensItsTextThroughTheShell_data();
    void clickingALinkLabelOpensItsTextThroughTheShell();
    void enterOnALinkLabelOpensItToo();
    void aLinkOpensOnlyWhenTheClickEndsOnIt();
    void aTextWithAnAtSignIsAMailAddress_data();
    void aTextWithAnAtSignIsAMailAddress();
    void okClosesTheBox();

private:
    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<frmAbout> m_box;
    QString m_applicationVersion;
};

void tst_frmAbout::init()
{
    m_applicationVersion = QCoreApplication::applicationVersion();
    m_services = std::make_unique<FakeServices>();
    m_box = std::make_unique<frmAbout>();
}

void tst_frmAbout::cleanup()
{
    m_box.reset();
    m_services.reset();
    QCoreApplication::setApplicationVersion(m_applicationVersion);
}

void tst_frmAbout::theBoxNamesTheProductAndWhatItIs()
{
    QCOMPARE(m_box->objectName(), QString("frmAbout"));
    QVERIFY(m_box->isModal());
    QCOMPARE(m_box->lblProduct->text(), QString("Zevora"));
    QCOMPARE(
        m_box->lblDescription->text(),
        QString("   ...is a third-generation, text-based HTML editor. It is well tested freeware, but since "
                "it is ever-evolving, minor bugs can and do appear from time to time. If you have any "
                "problems, or suggestions for future releases, then by all means contact me at the link "
                "below."));
    QCOMPARE(m_box->lblMail->text(), QString("support@tallowridge.example"));
    QCOMPARE(m_box->lblWeb->text(), QString("https://tallowridge.example/zevora"));
    QCOMPARE(m_box->cmdOK->text(), QString("OK"));
    const QStringList names = {"lblProduct", "lblVersion", "lblDescription", "lblMail", "lblWeb", "cmdOK"};
    for (const QString &name : names)
        QVERIFY2(m_box->findChild<QWidget *>(name), qPrintable(name));
}

void tst_frmAbout::theVersionIsMajorMinorRevision_data()
{
    QTest::addColumn<QString>("applicationVersion");
    QTest::addColumn<QString>("shown");
    QTest::addRow("three parts") << "2.7.13"
                                 << "Version 2.7.13";
    QTest::addRow("a missing revision counts as 0") << "3.1"
                                                    << "Version 3.1.0";
    QTest::addRow("a major version alone") << "4"
                                           << "Version 4.0.0";
    QTest::addRow("a fourth part is not shown") << "5.6.7.8"
                                                << "Version 5.6.7";
    QTest::addRow("no version: the built one") << ""
                                               << "Version " ZEVORA_VERSION;
    QTest::addRow("an unreadable version: the built one") << "beta"
                                                          << "Version " ZEVORA_VERSION;
}

void tst_frmAbout::theVersionIsMajorMinorRevision()
{
    QFETCH(QString, applicationVersion);
    QFETCH(QString, shown);
    QCOMPARE(frmAbout::versionText(applicationVersion), shown);
}

void tst_frmAbout::theVersionLabelFollowsTheApplication_data()
{
    QTest::addColumn<QString>("applicationVersion");
    QTest::addColumn<QString>("shown");
    QTest::addRow("the application's version") << "9.8.7"
                                               << "Version 9.8.7";
    QTest::addRow("none set") << ""
                              << "Version " ZEVORA_VERSION;
}

void tst_frmAbout::theVersionLabelFollowsTheApplication()
{
    QFETCH(QString, applicationVersion);
    QFETCH(QString, shown);
    QCoreApplication::setApplicationVersion(applicationVersion);
    frmAbout box;
    QCOMPARE(box.lblVersion->text(), shown);
}

void tst_frmAbout::clickingALinkLabelOpensItsTextThroughTheShell_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QUrl>("opened");
    QTest::addRow("the mail address") << "lblMail" << QUrl("mailto:support@tallowridge.example");
    QTest::addRow("the web address") << "lblWeb" << QUrl("https://tallowridge.example/zevora");
}

void tst_frmAbout::clickingALinkLabelOpensItsTextThroughTheShell()
{
    QFETCH(QString, label);
    QFETCH(QUrl, opened);
    m_box->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_box.get()));
    auto *link = m_box->findChild<QLabel *>(label);
    QVERIFY(link);

    QTest::mouseClick(link, Qt::LeftButton);

    QCOMPARE(m_services->shell.opened, QList<QUrl>{opened});
    QVERIFY(m_box->isVisible());
}

void tst_frmAbout::enterOnALinkLabelOpensItToo()
{
    m_box->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_box.get()));
    m_box->lblMail->setFocus();
    QTest::keyClick(m_box->lblMail, Qt::Key_Return);
    QCOMPARE(m_services->shell.opened, QList<QUrl>{QUrl("mailto:support@tallowridge.example")});
    QVERIFY(m_box->isVisible());
}

void tst_frmAbout::aLinkOpensOnlyWhenTheClickEndsOnIt()
{
    m_box->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_box.get()));
    QTest::mouseClick(m_box->lblDescription, Qt::LeftButton);
    QTest::mouseClick(m_box->lblProduct, Qt::LeftButton);
    // Pressed on the link, let go beside it: the user changed their mind.
    QTest::mousePress(m_box->lblWeb, Qt::LeftButton);
    QTest::mouseRelease(m_box->lblWeb, Qt::LeftButton, {}, QPoint(m_box->lblWeb->width() + 20, 2));
    QTest::mouseClick(m_box->lblWeb, Qt::RightButton);
    QVERIFY(m_services->shell.opened.isEmpty());
}

void tst_frmAbout::aTextWithAnAtSignIsAMailAddress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QUrl>("url");
    QTest::addRow("a mail address") << "someone@example.org" << QUrl("mailto:someone@example.org");
    QTest::addRow("a web address") << "https://example.org/a" << QUrl("https://example.org/a");
    QTest::addRow("a web address without its scheme") << "www.example.org" << QUrl("http://www.example.org");
}

void tst_frmAbout::aTextWithAnAtSignIsAMailAddress()
{
    QFETCH(QString, text);
    QFETCH(QUrl, url);
    QCOMPARE(frmAbout::linkUrl(text), url);
}

void tst_frmAbout::okClosesTheBox()
{
    m_box->open();
    QVERIFY(QTest::qWaitForWindowExposed(m_box.get()));
    QTest::mouseClick(m_box->cmdOK, Qt::LeftButton);
    QVERIFY(!m_box->isVisible());
    QCOMPARE(m_box->result(), int(QDialog::Accepted));
    QVERIFY(m_services->shell.opened.isEmpty());
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
