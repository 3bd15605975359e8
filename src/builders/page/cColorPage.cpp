// Zevora - the colour record of the page colours dialog.
#include "cColorPage.h"

QString cColorPage::joined() const
{
    QString tail;
    for (const QString &colour : m_colours)
        tail += colour;
    return tail + m_cOther + QLatin1Char('>');
}
