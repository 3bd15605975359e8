// Zevora - a text-based HTML editor.
#include "Services.h"
#include "frmKid.h"
#include "topForm.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tallow Ridge"));
    QApplication::setApplicationName(QStringLiteral("Zevora"));
    QApplication::setApplicationVersion(QStringLiteral(ZEVORA_VERSION));
    Platform::Services::installQtServices();

    topForm frame;
    frame.show();
    frame.newDocumentWindow()->setWindowTitle(QStringLiteral("Untitled1.htm"));
    return QApplication::exec();
}
