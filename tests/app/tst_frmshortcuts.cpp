// Zevora tests - the Key Macros window: its list, the instruction picture and the tag reference boxes.
#include "FakeServices.h"

#include "MacroKeysPicture.h"
#include "QtMessageService.h"
#include "Services.h"
#include "TagReference.h"
#include "frmShortcuts.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace Platform;

class tst_frmShortcuts : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void theWindowIsCalledMacroKeysAndTagInfo();
    void theListHoldsTheEighteenItemsInCourierNew();
    void atLoadTheListShowsAndThePictureIsHidden();
    void clickingATagShowsItsReference_data();
    void clickingATagShowsItsReference();
    void theRealBoxShowsTheTagsAsWritten();
    void theBlankItemsDoNothing_data();
    void theBlankItemsDoNothing();
    void onlyTheTagsHaveAReference_data();
    void onlyTheTagsHaveAReference();
    void enterOnTheCurrentItemShowsItsReference();
    void theFirstItemShowsThePictureInTheListsPlace();
    void aClickBringsTheListBack_data();
    void aClickBringsTheListBack();
    void thePictureIsDrawnAtTheScreensPixelRatio();
    void theFrameKeepsOneWindowThatGoesAwayWhenClosed();

private:
    void clickItem(int row);

    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<frmShortcuts> m_window;
};

void tst_frmShortcuts::init()
{
    m_services = std::make_unique<FakeServices>();
    m_window = std::make_unique<frmShortcuts>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_frmShortcuts::cleanup()
{
    m_window.reset();
    m_services.reset();
}

// A real mouse click on the row, as the user makes it.
void tst_frmShortcuts::clickItem(int row)
{
    QListWidgetItem *item = m_window->List1->item(row);
    QVERIFY(item);
    const QRect where = m_window->List1->visualItemRect(item);
    QVERIFY(!where.isEmpty());
    QTest::mouseClick(m_window->List1->viewport(), Qt::LeftButton, {}, where.center());
}

void tst_frmShortcuts::theWindowIsCalledMacroKeysAndTagInfo()
{
    QCOMPARE(m_window->windowTitle(), QString("Macro Keys & Tag Info"));
    QCOMPARE(m_window->objectName(), QString("frmShortcuts"));
    QCOMPARE(m_window->findChild<QListWidget *>("List1"), m_window->List1);
    QCOMPARE(m_window->findChild<QLabel *>("Label1"), m_window->Label1);
    QCOMPARE(m_window->findChild<QLabel *>("Image1"), m_window->Image1);
    QCOMPARE(m_window->Label1->text(), QString("Click any tag for additional information."));
}

void tst_frmShortcuts::theListHoldsTheEighteenItemsInCourierNew()
{
    // clang-format off
    const QStringList expected = {
        " HOW TO USE THIS",
        " ",
        " a - <a href=\"\">",
        " b - <BR>",
        " s - <center>",
        " d - <DIV>",
        " e - <EMBED>",
        " f - <Font>",
        " h - <HR>",
        " i - <IMG>",
        " k - <Blockquote>",
        " m - <Marquee>",
        " p - <Pre>",
        " q -[quote]",
        " t - <Table>",
        " y - <XMP>",
        " o  [SPACE] ",
        " ",
    };
    // clang-format on
    QStringList items;
    for (int row = 0; row < m_window->List1->count(); ++row)
        items << m_window->List1->item(row)->text();
    QCOMPARE(items, expected);
    QCOMPARE(m_window->List1->font().families().value(0), QString("Courier New"));
    QCOMPARE(m_window->List1->font().styleHint(), QFont::Monospace);
}

void tst_frmShortcuts::atLoadTheListShowsAndThePictureIsHidden()
{
    QVERIFY(m_window->List1->isVisible());
    QVERIFY(!m_window->Image1->isVisible());
    QVERIFY(!m_window->isShowingInstructions());
    // The list sits at the top, above the label, and every item fits without scrolling.
    QVERIFY(m_window->List1->geometry().bottom() < m_window->Label1->geometry().top());
    const QRect last = m_window->List1->visualItemRect(m_window->List1->item(17));
    QVERIFY(m_window->List1->viewport()->rect().contains(last));
}

void tst_frmShortcuts::clickingATagShowsItsReference_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    // clang-format off
    QTest::addRow("anchor (item 2)")
        << 2 << QStringLiteral("ANCHOR:")
        << QStringLiteral("Usually a link to another Web page (the URL placed in quotes after the HREF property.)\n"
                          "\n"
                          "<A\n"
                          "HREF = \"location\"\n"
                          "ONCLICK = \"JS Code\"\n"
                          "ONMOUSEOUT = \"JS Code\"\n"
                          "ONMOUSEOVER = \"JS Code\"\n"
                          "Target = \"windowName\">\n"
                          "</A>\n"
                          "\n"
                          "The URL can be substituted for another part of the present page, or a specific part\n"
                          "of another page by including a reference to a block element with a set NAME property.\n"
                          "On the same page this would be simply:\n"
                          "<a href=\"#nextSection\">nextSection</a>\n"
                          "\n"
                          "The HREF property can also include scripting instead of a URL, formatted in the following manner:\n"
                          "<a href=\"javascript:alert('hello')\">hello</a>");
    QTest::addRow("line break (item 3)")
        << 3 << QStringLiteral("LINE BREAK")
        << QStringLiteral("NO END TAG\n"
                          "\n"
                          "Used to force a line break.\n"
                          "The CLEAR attribute can be used to move down past floating images on either margin. <BR CLEAR=LEFT> moves down past floating images on the left margin, <BR CLEAR=RIGHT> does the same for floating images on the right margin, while <BR CLEAR=ALL> does the same for such images on both left and right margins.");
    QTest::addRow("center (item 4)")
        << 4 << QStringLiteral("CENTER:")
        << QStringLiteral("Centers text or element between tags.");
    QTest::addRow("division (item 5)")
        << 5 << QStringLiteral("DIVISION:")
        << QStringLiteral("Replacing the <CENTER> tag.\n"
                          "Used generously for utility in DHTML.\n"
                          "\n"
                          "Main Attributes:\n"
                          "\n"
                          "ALIGN = \"left | center | right | justify\"\n"
                          "STYLE\n"
                          "NAME");
    QTest::addRow("embed (item 6)")
        << 6 << QStringLiteral("EMBED (object)")
        << QStringLiteral("Used to embed objects into HTML, such as sound, video, and browser plug-ins.\n"
                          "\n"
                          "<EMBED \n"
                          "  SRC=\"location\"\n"
                          "  TYPE=\"MIMEtype\"\n"
                          "  PLUGINSPAGE=\"instrURL\"\n"
                          "  PLUGINURL=\"pluginURL\"\n"
                          "  ALIGN=\"LEFT|RIGHT|TOP|BOTTOM\"\n"
                          "  BORDER=\"borderWidth\" \n"
                          "  FRAMEBORDER=\"YES|NO\"\n"
                          "  HEIGHT=\"height\" \n"
                          "  WIDTH=\"width\"\n"
                          "  UNITS=\"units\"\n"
                          "  HIDDEN=\"TRUE|FALSE\"\n"
                          "  HSPACE=\"horizMargin\" \n"
                          "  VSPACE=\"vertMargin\"\n"
                          "  NAME=\"pluginName\"\n"
                          "  PALETTE=\"FOREGROUND\"|\"BACKGROUND\">\n"
                          "</EMBED>\n"
                          "\n"
                          "To include a background sound, compatible with IE versions prior to 3.01 and older WebTV, use the following:\n"
                          "<EMBED SRC=\"targetURL\" HIDDEN=\"TRUE\" LOOP=\"TRUE\" AUTOSTART=\"TRUE\">\n"
                          "<NOEMBED>\n"
                          "<BGSOUND SRC=\"targetURL\" LOOP=\"-1\">\n"
                          "</NOEMBED> ");
    QTest::addRow("font (item 7)")
        << 7 << QStringLiteral("FONT:")
        << QStringLiteral("Changes the font, the font size or color.\n"
                          "\n"
                          "Posssible Attributes:\n"
                          "\n"
                          "SIZE = \"...\"       Specifies font size from 1-7. Default is 3.\n"
                          "COLOR = \"...\"   Specifies text colour, by Hex or named color.\n"
                          "FACE = \"...\"       Names font, (such as Arial, Verdana, etc.)\n"
                          "                          Can name a first, second, third choice (comma separated)\n"
                          "                           if your first pick is not available on viewer's system.\n"
                          "\n"
                          "ALSO, the font tag is often used with a STYLE property set.\n"
                          "This allows very precice control of the font size, weight and other features.\n"
                          "An example of a Bold, Arial font of 16 points would be:\n"
                          "\n"
                          "<Font style=\"font-weight:700;font-family:Arial;font-size:16pt;\">the text</Font>");
    QTest::addRow("horizontal rule (item 8)")
        << 8 << QStringLiteral("HORIZONTAL RULE:")
        << QStringLiteral("NO END TAG\n"
                          "\n"
                          "Possible Attributes:\n"
                          "\n"
                          "WIDTH = \"width\"    Can be number of pixels or a percentage.\n"
                          "NOSHADE               If included, rule is solid.\n"
                          "SIZE = \"size\"           Number of pixels thick. 1 renders NOSHADE mute.\n"
                          "COLOR = \"color\"     As Hex or Named Color");
    QTest::addRow("image (item 9)")
        << 9 << QStringLiteral("IMAGE:")
        << QStringLiteral("NO END TAG\n"
                          "\n"
                          "Possible Attributes:\n"
                          "\n"
                          "SRC = \"imageURL\"\n"
                          "ALT = \"altText\"\n"
                          "WIDTH = \"width\"\n"
                          "HEIGHT = \"height\"\n"
                          "USEMAP = \"imagemapURL\"\n"
                          "ALIGN = \"top | middle | bottom | left | right\"\n"
                          "BORDER = \"borderWidth\"\n"
                          "HSPACE = \"horizWidth\"\n"
                          "VSPACE = \"vertWidth\"\n"
                          "ISMAP (server-side image map)");
    QTest::addRow("blockquote (item 10)")
        << 10 << QStringLiteral("BLOCKQUOTE:")
        << QStringLiteral("Indents included section of page 20% from both margins.\n"
                          "Sort of a quickie, centered, one-cell table.\n"
                          "\n"
                          "Can be nested, meaning a blockquote INSIDE another blockquote\n"
                          "would only take up 80% of the width of the outer blockquote\n"
                          "(60% of the page width) -- hence look indented.");
    QTest::addRow("marquee (item 11)")
        << 11 << QStringLiteral("MARQUEE:")
        << QStringLiteral("As simple as:\n"
                          "<MARQUEE> text </MARQUEE>\n"
                          "\n"
                          "Possible Attributes:\n"
                          "\n"
                          "ALIGN = \" top | bottom | middle \"   (for surrounding text)\n"
                          "BEHAVIOR = \" scroll | slide | alternate \"\n"
                          "BGCOLOR=\"colorname\"\n"
                          "DIRECTION = \" left | right \"\n"
                          "HEIGHT = \"vertPixels\"\n"
                          "HSPACE = \"horizSpace\"\n"
                          "LOOP = \"number_or_INFINITE\"\n"
                          "SCROLLAMOUNT = \"distancePixels\"\n"
                          "SCROLLDELAY = \"milliSeconds\"\n"
                          "WIDTH \"width\"    (can be # of pixels or %)\n"
                          "VSPACE = \"vertSpace\"");
    QTest::addRow("preformatted text (item 12)")
        << 12 << QStringLiteral("PREFORMATTED TEXT:")
        << QStringLiteral("The text included between <PRE> tags is\n"
                          "monospaced and holds white space.\n"
                          "Replacement for <XMP> (see below)");
    QTest::addRow("quote mark (item 13)")
        << 13 << QStringLiteral("QUOTE MARK:")
        << QStringLiteral("Single Quotation mark.\n"
                          "Just to save time...");
    QTest::addRow("table (item 14)")
        << 14 << QStringLiteral("TABLE TAG:")
        << QStringLiteral("For table details, play with the TABLE \n"
                          "selection under the DIALOGS menu.\n"
                          "\n"
                          "Possible Attributes:\n"
                          "\n"
                          "CellPadding\n"
                          "CellSpacing\n"
                          "Border\n"
                          "Align\n"
                          "Background\n"
                          "Bordercolor\n"
                          "Width\n"
                          "\n"
                          " -- IE-Only --\n"
                          "BorderColorLight\n"
                          "BorderColorDark");
    QTest::addRow("example (item 15)")
        << 15 << QStringLiteral("EXAMPLE:")
        << QStringLiteral("Discarded by W3C, but still in use by latest Netscape and IE browsers.\n"
                          "Monospaced and holds white space like <PRE>\n"
                          "AND, this is the only single tag which will\n"
                          "include all HTML special characters and tags within it as plain text.\n"
                          "\n"
                          "In other words, you can put a whole\n"
                          "page of HTML code between the tags -- \n"
                          "and the code will still be code, not HTML.\n"
                          "\n"
                          "                                                                                  pretty sweet");
    QTest::addRow("space (item 16)")
        << 16 << QStringLiteral("SPACE:")
        << QStringLiteral("Just a \"Special Character\" thrown into the Macro Bin.\n"
                          "\n"
                          "Useful when you need a bit of whitespace.\n"
                          "Only warning -- don't get carried away and try to format heavily with it.");
    // clang-format on
}

void tst_frmShortcuts::clickingATagShowsItsReference()
{
    QFETCH(int, row);
    QFETCH(QString, title);
    QFETCH(QString, text);

    m_services->messages.answerNext(MsgAnswer::Ok);
    clickItem(row);

    QCOMPARE(m_services->messages.shown.size(), 1);
    const MessageBox &box = m_services->messages.shown.first();
    QCOMPARE(box.title, title);
    QCOMPARE(box.text, text);
    QCOMPARE(box.icon, MsgIcon::None);
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QVERIFY(m_window->List1->isVisible());
}

void tst_frmShortcuts::theRealBoxShowsTheTagsAsWritten()
{
    QtMessageService real;
    Services::install(&real, nullptr, nullptr);
    QString title, text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::StandardButtons buttons;
    // Looks for the box from inside its own event loop, and closes it.
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        closer.stop();
        title = box->windowTitle();
        text = box->text();
        format = box->textFormat();
        buttons = box->standardButtons();
        box->accept();
    });
    closer.start(0);
    clickItem(12);
    Services::install(&m_services->messages, nullptr, nullptr);
    QCOMPARE(title, QString("PREFORMATTED TEXT:"));
    QCOMPARE(text, QString("The text included between <PRE> tags is\n"
                           "monospaced and holds white space.\n"
                           "Replacement for <XMP> (see below)"));
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(buttons, QMessageBox::Ok);
}

void tst_frmShortcuts::theBlankItemsDoNothing_data()
{
    QTest::addColumn<int>("row");
    QTest::addRow("the blank under the first item") << 1;
    QTest::addRow("the blank at the end") << 17;
}

void tst_frmShortcuts::theBlankItemsDoNothing()
{
    QFETCH(int, row);
    clickItem(row);
    QVERIFY(m_services->messages.shown.isEmpty());
    QVERIFY(m_window->List1->isVisible());
    QVERIFY(!m_window->Image1->isVisible());
}

void tst_frmShortcuts::onlyTheTagsHaveAReference_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("hasReference");
    QTest::addRow("before the list") << -1 << false;
    QTest::addRow("the instructions item") << 0 << false;
    QTest::addRow("the first blank") << 1 << false;
    QTest::addRow("the first tag") << 2 << true;
    QTest::addRow("the last tag") << 16 << true;
    QTest::addRow("the last blank") << 17 << false;
    QTest::addRow("past the list") << 18 << false;
}

void tst_frmShortcuts::onlyTheTagsHaveAReference()
{
    QFETCH(int, index);
    QFETCH(bool, hasReference);
    QCOMPARE(TagReference::entry(index).has_value(), hasReference);
    if (!hasReference) {
        // The window does nothing for them, and does not fall over either.
        m_window->List1_Click(index);
        QVERIFY(m_services->messages.shown.isEmpty());
    }
}

void tst_frmShortcuts::enterOnTheCurrentItemShowsItsReference()
{
    m_window->List1->setFocus();
    m_window->List1->setCurrentRow(15);
    m_services->messages.answerNext(MsgAnswer::Ok);
    QTest::keyClick(m_window->List1, Qt::Key_Return);
    QCOMPARE(m_services->messages.shown.size(), 1);
    QCOMPARE(m_services->messages.shown.first().title, QString("EXAMPLE:"));
}

void tst_frmShortcuts::theFirstItemShowsThePictureInTheListsPlace()
{
    const QRect listPlace = m_window->List1->geometry();
    const QSize windowSize = m_window->size();
    clickItem(0);
    m_window->layout()->activate();

    QVERIFY(m_services->messages.shown.isEmpty());
    QVERIFY(!m_window->List1->isVisible());
    QVERIFY(m_window->Image1->isVisible());
    QVERIFY(m_window->isShowingInstructions());
    QVERIFY(!m_window->Image1->pixmap().isNull());
    QVERIFY(m_window->Image1->geometry().intersects(listPlace));
    QVERIFY(m_window->Label1->isVisible());
    QCOMPARE(m_window->size(), windowSize);
}

void tst_frmShortcuts::aClickBringsTheListBack_data()
{
    QTest::addColumn<QString>("target");
    QTest::addRow("on the picture") << "Image1";
    QTest::addRow("on the label") << "Label1";
    QTest::addRow("on the window's background") << "frmShortcuts";
}

void tst_frmShortcuts::aClickBringsTheListBack()
{
    QFETCH(QString, target);
    clickItem(0);
    QVERIFY(m_window->Image1->isVisible());

    QWidget *widget =
        target == m_window->objectName() ? m_window.get() : m_window->findChild<QWidget *>(target);
    QVERIFY(widget);
    // The window's own margin is background; the others are clicked in their middle.
    const QPoint where = widget == m_window.get() ? QPoint(3, 3) : widget->rect().center();
    QCOMPARE(m_window->childAt(widget->mapTo(m_window.get(), where)),
             widget == m_window.get() ? nullptr : widget);
    QTest::mouseClick(widget, Qt::LeftButton, {}, where);

    QVERIFY(m_window->List1->isVisible());
    QVERIFY(!m_window->Image1->isVisible());
    QVERIFY(m_services->messages.shown.isEmpty());
}

void tst_frmShortcuts::thePictureIsDrawnAtTheScreensPixelRatio()
{
    const QPixmap sharp = macroKeysPicture(2.0);
    QCOMPARE(sharp.size(), MacroKeysPictureSize * 2);
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    QCOMPARE(m_window->Image1->pixmap().devicePixelRatio(), m_window->devicePixelRatioF());
    QCOMPARE(m_window->Image1->pixmap().deviceIndependentSize().toSize(), MacroKeysPictureSize);
}

void tst_frmShortcuts::theFrameKeepsOneWindowThatGoesAwayWhenClosed()
{
    QWidget frame;
    QPointer<frmShortcuts> first = frmShortcuts::showModeless(&frame);
    QVERIFY(first);
    QCOMPARE(first->parentWidget(), &frame);
    QVERIFY(first->isWindow());
    QVERIFY(!first->isModal());
    QVERIFY(first->isVisible());
    QCOMPARE(frmShortcuts::showModeless(&frame), first.data());

    first->close();
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    frmShortcuts *second = frmShortcuts::showModeless(&frame);
    QVERIFY(second);
    QVERIFY(second->List1->isVisible());
}

QTEST_MAIN(tst_frmShortcuts)
#include "tst_frmshortcuts.moc"
