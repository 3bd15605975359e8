// Zevora tests - spelling through the real Enchant and the installed Hunspell en_US dictionary.
#include "EnchantSpellService.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Platform;

class tst_EnchantSpellService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }

    void hunspellChecksSuggestsAndKeepsAddedWords()
    {
        EnchantSpellService service;
        QVERIFY(service.languages().contains(QStringLiteral("en_US")));
        std::unique_ptr<SpellDictionary> dictionary = service.open(QStringLiteral("en_US"));
        QVERIFY(dictionary);
        QCOMPARE(EnchantSpellService::providerOf(*dictionary), QStringLiteral("hunspell"));
        QVERIFY(dictionary->check(u"receive"));
        QVERIFY(dictionary->check(u"don't"));
        QVERIFY(!dictionary->check(u"recieve"));
        QVERIFY(dictionary->suggest(QStringLiteral("recieve")).contains(QStringLiteral("receive")));

        QVERIFY(!dictionary->check(u"zevorish"));
        dictionary->add(QStringLiteral("zevorish"));
        QVERIFY(EnchantSpellService().open(QStringLiteral("en_US"))->check(u"zevorish"));
        QFile list(m_config.filePath(QStringLiteral("enchant/en_US.dic")));
        QVERIFY(list.open(QIODevice::ReadOnly));
        QCOMPARE(list.readAll().trimmed(), QByteArray("zevorish"));
    }

    void aLanguageWithoutDictionaryOpensNothing()
    {
        QVERIFY(!EnchantSpellService().open(QStringLiteral("xx_XX")));
    }

private:
    // Enchant writes added words under $XDG_CONFIG_HOME, read once per process.
    QTemporaryDir m_config;
};

QTEST_GUILESS_MAIN(tst_EnchantSpellService)
#include "tst_enchantspellservice.moc"
