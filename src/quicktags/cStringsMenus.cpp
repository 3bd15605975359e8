// Zevora - the texts of the ready-made drop-down navigation menus.
#include "cStringsMenus.h"

#include <QStringList>

namespace {

constexpr QStringView LineBreak = u"\r\n";

// The three placeholder entries that the writer replaces with the menu's pages;
// \a opening is the tag up to its value ("<OPTION VALUE=" or "<option value=").
QStringList linkOptions(const QString &indent, const QString &opening)
{
    const QString line =
        indent + opening + QStringLiteral("\"**ENTER LINK PAGE HERE**\">**ENTER MENU TEXT HERE**");
    return {line, line, line};
}

QString redirectMenu()
{
    QStringList lines;
    lines << QStringLiteral("<FORM><SELECT NAME=\"\" onChange=\"if "
                            "(this.options[this.selectedIndex].value.length != 0) "
                            "{window.location=this.options[this.selectedIndex].value;}\">")
          << QStringLiteral("<OPTION SELECTED VALUE=\"\">**INSERT HEADING (no link) HERE**");
    lines << linkOptions(QString(), QStringLiteral("<OPTION VALUE="));
    lines << QStringLiteral("</SELECT></FORM>");
    return lines.join(LineBreak);
}

QString goButtonMenu()
{
    QStringList lines;
    lines << QStringLiteral("<FORM>") << QStringLiteral("<SELECT>")
          << QStringLiteral("<OPTION SELECTED  VALUE=\"\">**INSERT HEADING (no link) HERE**");
    lines << linkOptions(QString(), QStringLiteral("<OPTION VALUE="));
    lines << QStringLiteral("</SELECT>")
          << QStringLiteral("<input TYPE=\"button\" VALUE=\"Go!\" onClick=\"if "
                            "(this.form.elements[0].options[this.form.elements[0].selectedIndex].value."
                            "length != 0) {window.location=this.form.elements[0].options[this.form."
                            "elements[0].selectedIndex].value}\">")
          << QStringLiteral("</form>");
    return lines.join(LineBreak);
}

QString newWindowMenu()
{
    QStringList lines;
    lines << QStringLiteral("<form>") << QStringLiteral("<select  name=\"sel1\" size=1>")
          << linkOptions(QStringLiteral("   "), QStringLiteral("<option value="))
          << QStringLiteral("</select>&nbsp;<input type=\"button\" value=\"Go!\" "
                            "onClick=\"sendThis(this.form)\">")
          << QStringLiteral("<br>")
          << QStringLiteral("<input type=\"checkbox\" name=\"optWnd\" value=\"ON\">Open in a new window")
          << QStringLiteral("</form>") << QStringLiteral("<script language=\"javascript\">")
          << QStringLiteral("<!--//") << QString() << QStringLiteral("function sendThis(xx){")
          << QStringLiteral("if (xx.optWnd.checked && !window.newWnd){")
          << QStringLiteral("  newWnd=window.open(\"\")")
          << QStringLiteral(" newWnd.location=xx.sel1.options[xx.sel1.selectedIndex].value ")
          << QStringLiteral(" } else { ")
          << QStringLiteral("  location=xx.sel1.options[xx.sel1.selectedIndex].value") << QStringLiteral(" }")
          << QStringLiteral("}") << QStringLiteral("//-->") << QStringLiteral("</script>");
    return lines.join(LineBreak);
}

} // namespace

cStringsMenus::cStringsMenus() : m_strings{redirectMenu(), goButtonMenu(), newWindowMenu()} {}

QString cStringsMenus::getStrVal(int index) const
{
    if (index < 0 || index >= count())
        return QString();
    return m_strings[static_cast<size_t>(index)];
}
