// Zevora - one step of a page's undo or redo history.
#include "EditStep.h"

QString EditStep::serialised() const
{
    return QString::number(start) + kStepSeparator + first + kStepSeparator + second;
}

void ParseToArray(const QString &sLine, QStringList &a)
{
    a = sLine.split(kStepSeparator, Qt::KeepEmptyParts);
}
