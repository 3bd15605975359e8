// Zevora - the Print window.
#include "frmPrint.h"

#include "MessageService.h"
#include "PrintChoice.h"
#include "PrintService.h"
#include "Services.h"
#include "ToolPictures.h"
#include "cHourglass.h"
#include "richy.h"

#include <QComboBox>
#include <QFontInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace Platform;

frmPrint::frmPrint(const QString &currentPrinter, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("Print"));
    setModal(true);

    Label1 = new QLabel(QStringLiteral("Choose printer below"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    cboPrinters = new QComboBox(this);
    cboPrinters->setObjectName(QStringLiteral("cboPrinters"));
    cboPrinters->setMinimumWidth(220);
    Label1->setBuddy(cboPrinters);
    cboPrinters->setAccessibleName(Label1->text());
    Label2 = new QLabel(QStringLiteral("# of copies"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    txtCopies = new QLineEdit(m_copies, this);
    txtCopies->setObjectName(QStringLiteral("txtCopies"));
    txtCopies->setMaximumWidth(txtCopies->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
    Label2->setBuddy(txtCopies);
    txtCopies->setAccessibleName(Label2->text());
    txtCopies->installEventFilter(this);
    imgPrinter = new QLabel(this);
    imgPrinter->setObjectName(QStringLiteral("imgPrinter"));
    // The Print tool's picture at twice its size.
    const qreal ratio = devicePixelRatioF();
    QPixmap picture = Resources::toolPicture(Resources::EnabledBase + 16, 2 * ratio);
    picture.setDevicePixelRatio(ratio);
    imgPrinter->setPixmap(picture);
    imgPrinter->setAccessibleName(QStringLiteral("Printer"));
    cmdPrint = new QPushButton(QStringLiteral("Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(imgPrinter, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(Label1, 0, 1, 1, 2);
    grid->addWidget(cboPrinters, 1, 1, 1, 2);
    grid->addWidget(Label2, 2, 1);
    grid->addWidget(txtCopies, 2, 2, Qt::AlignLeft);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 3, 0, 1, 3);

    const PrintService &printing = Services::printing();
    const QStringList printers = printing.printers();
    // Typing into the list is impossible: it is not editable.
    cboPrinters->addItems(printers);
    m_currentPrinter = PrintChoice::startPrinter(printers, printing.defaultPrinter(), currentPrinter);
    cboPrinters->setCurrentIndex(int(printers.indexOf(m_currentPrinter)));
    if (m_currentPrinter.isEmpty())
        m_currentPrinter = currentPrinter;

    connect(txtCopies, &QLineEdit::textEdited, this, &frmPrint::txtCopies_Edited);
    connect(cmdPrint, &QPushButton::clicked, this, &frmPrint::cmdPrint_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPrint::reject);
}

void frmPrint::setTB(richy *tb)
{
    m_tb = tb;
}

void frmPrint::txtCopies_Edited(const QString &text)
{
    m_copies = PrintChoice::copiesAfterEdit(m_copies, text);
    if (txtCopies->text() != m_copies)
        txtCopies->setText(m_copies);
    selectFirstCopiesCharacter();
}

void frmPrint::selectFirstCopiesCharacter()
{
    txtCopies->setSelection(0, 1);
}

bool frmPrint::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == txtCopies) {
        if (e->type() == QEvent::KeyRelease) {
            selectFirstCopiesCharacter();
        } else if (e->type() == QEvent::FocusIn) {
            // After the line edit has placed its own cursor for the click.
            QTimer::singleShot(0, txtCopies, [this] { selectFirstCopiesCharacter(); });
        }
    }
    return QDialog::eventFilter(watched, e);
}

void frmPrint::cmdPrint_Click()
{
    if (txtCopies->text().isEmpty()) {
        message(QStringLiteral("Zevora Note:"),
                QStringLiteral("You must enter a number of copies,\nA number from 1 to 9."),
                MsgIcon::Information);
        txtCopies->setFocus();
        return;
    }
    m_currentPrinter = cboPrinters->currentText();
    if (!m_tb) {
        reject();
        return;
    }
    const int copies = txtCopies->text().toInt();
    const QString text = m_tb->SelLength() > 0 ? m_tb->SelText() : m_tb->Text();
    const QFont face = m_tb->font();
    const PrintFont font{face.family(),
                         face.pointSizeF() > 0 ? face.pointSizeF() : QFontInfo(face).pointSizeF()};
    PrintService &printing = Services::printing();
    for (int copy = 0; copy < copies; ++copy) {
        bool printed = false;
        {
            cHourglass busy;
            printed = printing.print(m_currentPrinter, text, font, m_title);
        }
        if (!printed) {
            message(QStringLiteral("Zevora Note:"),
                    QStringLiteral("The page could not be printed on ") + m_currentPrinter +
                        QStringLiteral("."),
                    MsgIcon::Exclamation);
            return;
        }
    }
    accept();
}
