// Zevora - the quick tag commands of the Tags and Scripts menus.
#include "QuickTags.h"

#include "cStringsMenus.h"

namespace QuickTags {

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString pick(const QStringList &texts, int index)
{
    return index >= 0 && index < texts.size() ? texts.at(index) : QString();
}

// A select list with eight placeholder options, one per line.
QString selectList(const QString &openingTag)
{
    QString text = openingTag + CrLf;
    for (int i = 0; i < 8; ++i)
        text += QStringLiteral("<OPTION VALUE=\"###\">###") + CrLf;
    return text + QStringLiteral("</SELECT>");
}

// An element with an empty line between its tags, for the writer to fill.
QString emptyBlock(const QString &openingTag, const QString &closingTag)
{
    return openingTag + CrLf + CrLf + closingTag;
}

QString closingScriptTag(int index)
{
    return pick({QStringLiteral("</SCRIPT>"), QStringLiteral("</SCRIPT>"), QStringLiteral("</STYLE>")},
                index);
}

} // namespace

QStringList formCaptions()
{
    return {QStringLiteral("Use POST"),  QStringLiteral("Use GET"), QStringLiteral("-"),
            QStringLiteral("Textarea"),  QStringLiteral("-"),       QStringLiteral("Select"),
            QStringLiteral("w/Multiple")};
}

QString formSnippet(int index)
{
    switch (index) {
    case 0:
        return emptyBlock(QStringLiteral("<FORM NAME=\"\" METHOD=\"POST\" ACTION=\"\">"),
                          QStringLiteral("</FORM>"));
    case 1:
        return emptyBlock(QStringLiteral("<FORM NAME=\"\" METHOD=\"GET\" ACTION=\"\">"),
                          QStringLiteral("</FORM>"));
    case 3:
        return QStringLiteral("<TEXTAREA NAME=\"\" COLS=\"40\" ROWS=\"6\" WRAP=\"VIRTUAL\">") + CrLf +
               QStringLiteral("</TEXTAREA>");
    case 5:
        return selectList(QStringLiteral("<SELECT NAME=\"\">"));
    case 6:
        return selectList(QStringLiteral("<SELECT MULTIPLE NAME=\"\" SIZE=\"3\">"));
    default:
        return QString();
    }
}

QStringList inputCaptions()
{
    return {QStringLiteral("Text"),     QStringLiteral("Hidden"),   QStringLiteral("Radio"),
            QStringLiteral("Checkbox"), QStringLiteral("Password"), QStringLiteral("File"),
            QStringLiteral("Reset"),    QStringLiteral("Submit")};
}

QString inputSnippet(int index)
{
    return pick({QStringLiteral("<INPUT TYPE=\"TEXT\" NAME=\"\" SIZE=\"24\" MAXLENGTH=\"80\">"),
                 QStringLiteral("<INPUT TYPE=\"HIDDEN\" NAME=\"\" VALUE=\"\">"),
                 QStringLiteral("<INPUT TYPE=\"RADIO\" NAME=\"\" VALUE=\"\">"),
                 QStringLiteral("<INPUT TYPE=\"CHECKBOX\" NAME=\"\" VALUE=\"YES\">"),
                 QStringLiteral("<INPUT TYPE=\"PASSWORD\" NAME=\"\" SIZE=\"24\" MAXLENGTH=\"80\">"),
                 QStringLiteral("<INPUT TYPE=\"FILE\" NAME=\"\" ACCEPT=\"filetype/*\" SIZE=\"24\" "
                                "MAXLENGTH=\"120\">"),
                 QStringLiteral("<INPUT TYPE=\"RESET\" VALUE=\"Clear Form\">"),
                 QStringLiteral("<INPUT TYPE=\"SUBMIT\" VALUE=\"Submit\">")},
                index);
}

QStringList scriptCaptions()
{
    return {QStringLiteral("JavaScript"), QStringLiteral("VBScript"), QStringLiteral("Style")};
}

QString scriptSnippet(int index)
{
    const QString opening =
        pick({QStringLiteral("<SCRIPT LANGUAGE=\"JavaScript\">"),
              QStringLiteral("<SCRIPT LANGUAGE=\"VBScript\">"), QStringLiteral("<STYLE TYPE=\"text/css\">")},
             index);
    return opening.isEmpty() ? QString() : emptyBlock(opening, closingScriptTag(index));
}

int scriptCaretBack(int index, QStringView lineBreak)
{
    // Back over the closing tag and the line break that ends the empty line.
    const QString closing = closingScriptTag(index);
    return closing.isEmpty() ? 0 : static_cast<int>(closing.size() + lineBreak.size());
}

QStringList dropCaptions()
{
    return {QStringLiteral("w/Redirect"), QStringLiteral("above w/Go Button"),
            QStringLiteral("w/New Window Option")};
}

QString dropSnippet(int index)
{
    return cStringsMenus().getStrVal(index);
}

QString dateSnippet(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, u"MMMM dd, yyyy");
}

} // namespace QuickTags
