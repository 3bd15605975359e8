// Zevora tests - the words the spell check reads in a page, markup passed over.
#include "SpellScanner.h"

#include <QTest>

class tst_SpellScanner : public QObject
{
    Q_OBJECT

private slots:
    void yieldsTheWordsPeopleRead_data();
    void yieldsTheWordsPeopleRead();
};

void tst_SpellScanner::yieldsTheWordsPeopleRead_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("begin");
    QTest::addColumn<int>("end");
    // Each word as it is checked, after "=" its text in the page where that differs.
    QTest::addColumn<QStringList>("words");

    const auto row = [](const char *name, const QString &page, const QStringList &words, int begin = 0,
                        int end = -1) { QTest::addRow("%s", name) << page << begin << end << words; };
    row("attribute values: alt and title read, others not",
        "<img class=\"teh\" src=x.gif alt=\"A cat\" title='Big > dog' width=5><a href=wrld TITLE=Hi "
        "class=zz>in</a>",
        {"A", "cat", "Big", "dog", "Hi", "in"});
    row("script and style in any letter case, one left open",
        "one<SCRIPT type=\"x\">var wrongg = '</b>';</sCrIpT >two<style>p {colr: "
        "red}</STYLE>three<script>nevr",
        {"one", "two", "three"});
    row("comments, server blocks and declarations",
        "a<!-- hiden -->b<!--#include file=\"x\" -->c<% dim qq %>d<?php echo zz ?>e<!DOCTYPE html>f<!-- open",
        {"a", "b", "c", "d", "e", "f"});
    row("a < that starts no tag is text", "a < b and x<3 y</p>z", {"a", "b", "and", "x", "y", "z"});
    row("character references",
        "caf&eacute; don&#39;t it&#x2019;s &Omega;mega a&nbsp;b c&foo;d e & f &amp;g h&#8364;i",
        {"café=caf&eacute;", "don't=don&#39;t", "it’s=it&#x2019;s", "Ωmega=&Omega;mega", "a", "b", "c", "d",
         "e", "f", "g", "h", "i"});
    row("apostrophes, hyphens, digits and other signs",
        "'quoted' rock'n'roll well-known 3rd abc123 snake_case l’été smile😀face naïve",
        {"quoted", "rock'n'roll", "well", "known", "l’été", "smile", "face", "naïve"});
    row("web and e-mail addresses",
        "see http://exampel.com/pathh and www.exampel.org, mail jon@exampel.com or "
        "mailto:x@y.z now",
        {"see", "and", "mail", "or", "now"});
    row("a range starting inside a tag's read value", "<a title=\"Hello wrld\" href=\"x y\">text</a>",
        {"wrld", "text"}, 16);
    row("a range starting inside a tag's other value", "<a href=\"x y\" class=z>text</a>", {"text"}, 10);
    row("a range starting inside a script", "<script>var x = \"teh\";</script>after", {"after"}, 12);
    row("a range cuts the words at its edges", "hello world again", {"llo", "wo"}, 2, 8);
    row("edges inside references keep whole characters", "caf&eacute;s na&iuml;ve", {"s", "na"}, 6, 18);
}

void tst_SpellScanner::yieldsTheWordsPeopleRead()
{
    QFETCH(QString, page);
    QFETCH(int, begin);
    QFETCH(int, end);
    QFETCH(QStringList, words);

    QStringList found;
    SpellScanner scanner(page, begin, end);
    for (SpellScanner::Word word; scanner.next(word);) {
        const QString span = page.mid(word.start, word.length);
        found.append(span == word.text ? span : word.text.toString() + u'=' + span);
    }
    QCOMPARE(found, words);
}

QTEST_APPLESS_MAIN(tst_SpellScanner)
#include "tst_spellscanner.moc"
