// Zevora - the table designer dialog (Dialogs > Table Maker).
#include "frmTable.h"

#include "ColourDialogService.h"
#include "MessageService.h"
#include "Services.h"
#include "TableGenerator.h"
#include "frmColors.h"
#include "frmKid.h"
#include "richy.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

using namespace Platform;

namespace {

QString arrayName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// Tips such as "A Table Header (<TH>) ..." would otherwise be taken for markup.
QString plainTip(const QString &text)
{
    return Qt::mightBeRichText(text) ? QStringLiteral("<p style='white-space:pre-wrap'>") +
                                           text.toHtmlEscaped() + QStringLiteral("</p>")
                                     : text;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QList<QRadioButton *> makeOptions(QWidget *parent, const char *name, const QStringList &captions,
                                  const QStringList &tips = {})
{
    QList<QRadioButton *> options;
    // Each array is a set of its own, though the arrays share their frame.
    auto *group = new QButtonGroup(parent);
    for (int i = 0; i < captions.size(); ++i) {
        auto *option = new QRadioButton(captions[i], parent);
        option->setObjectName(arrayName(name, i));
        option->setToolTip(tips.value(i));
        group->addButton(option, i);
        options.append(option);
    }
    return options;
}

QCheckBox *makeCheck(QWidget *parent, const char *name, const QString &caption, const QString &tip)
{
    auto *check = new QCheckBox(caption, parent);
    check->setObjectName(QLatin1String(name));
    check->setToolTip(plainTip(tip));
    return check;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    // Return in the entry box never fires whichever button had the focus last.
    button->setAutoDefault(false);
    return button;
}

QScrollBar *makeBar(QWidget *parent, const char *name, const QString &accessibleName)
{
    auto *bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setSingleStep(1);
    bar->setPageStep(10);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setAccessibleName(accessibleName);
    return bar;
}

QAction *makeAction(QMenu *menu, const char *name, int index, const QString &caption)
{
    QAction *action = caption == QLatin1String("-") ? menu->addSeparator() : menu->addAction(caption);
    action->setObjectName(index < 0 ? QLatin1String(name) : arrayName(name, index));
    return action;
}

QColor toQColor(mCell::Colour colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

// The adjustment bar's buttons: a green tick and a red cross.
QIcon buttonPicture(bool apply)
{
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(apply ? QColor(0x1a, 0x8f, 0x2e) : QColor(0xc0, 0x20, 0x20), 3, Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    if (apply) {
        painter.drawPolyline(QPolygonF({QPointF(4, 10.5), QPointF(8.5, 15), QPointF(16, 5)}));
    } else {
        painter.drawLine(QPointF(5, 5), QPointF(15, 15));
        painter.drawLine(QPointF(15, 5), QPointF(5, 15));
    }
    return QIcon(picture);
}

const QString kRowsPrompt = QStringLiteral("# of Rows");
const QString kColumnsPrompt = QStringLiteral("# of Columns");

} // namespace

frmTable::frmTable(frmKid *page, QWidget *parent) : QDialog(parent), m_page(page)
{
    setObjectName(QStringLiteral("frmTable"));
    setWindowTitle(QStringLiteral("Table Maker"));
    setModal(true);
    buildControls();
    buildMenus();
    layoutPreview();
}

frmTable::~frmTable() = default;

void frmTable::showModal(frmKid *page, QWidget *parent)
{
    const QPointer<frmKid> target = page;
    QPointer<frmTable> dialog = new frmTable(page, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->exec();
    if (target && !target->isClosing()) {
        if (QMdiArea *area = target->mdiArea())
            area->setActiveSubWindow(target);
        target->richy->setFocus();
    }
}

int frmTable::pixels(int twips) const
{
    // The model measures in twips of a 15-twip pixel; the screen has its own.
    return qRound(twips * logicalDpiX() / 1440.0);
}

// --- controls ----------------------------------------------------------------------

void frmTable::buildControls()
{
    picHead = makeLabel(this, "picHead", QStringLiteral("Table Maker"));
    picHead->setToolTip(QStringLiteral("You can drag the table dialog around via this title bar."));
    picHead->setAutoFillBackground(true);
    picHead->setStyleSheet(
        QStringLiteral("background: #1f3f6f; color: white; font-weight: bold; padding: 4px;"));
    picHead->setCursor(Qt::SizeAllCursor);
    picHead->installEventFilter(this);

    cboRowNum = new QComboBox(this);
    cboRowNum->setObjectName(QStringLiteral("cboRowNum"));
    cboRowNum->addItems({kRowsPrompt, QStringLiteral(" 1 Row")});
    cboColNum = new QComboBox(this);
    cboColNum->setObjectName(QStringLiteral("cboColNum"));
    cboColNum->addItems({kColumnsPrompt, QStringLiteral("1 Column")});
    for (int n = 2; n <= TableModel::kMaxSize; ++n) {
        cboRowNum->addItem(QStringLiteral("%1 Rows").arg(n));
        cboColNum->addItem(QStringLiteral("%1 Columns").arg(n));
    }
    cboRowNum->setAccessibleName(kRowsPrompt);
    cboColNum->setAccessibleName(kColumnsPrompt);
    // The user's choice counts, not the program setting an entry.
    connect(cboRowNum, &QComboBox::activated, this, [this](int entry) { sizeChosen(true, entry); });
    connect(cboColNum, &QComboBox::activated, this, [this](int entry) { sizeChosen(false, entry); });

    cmdCreate = makeButton(this, "cmdCreate", QStringLiteral("Create"));
    cmdCancel = makeButton(this, "cmdCancel", QStringLiteral("Cancel"));
    connect(cmdCreate, &QPushButton::clicked, this, &frmTable::cmdCreate_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *createNote = new QLabel(
        QStringLiteral("When all your settings are complete, create the HTML with the button to the right."),
        this);
    createNote->setWordWrap(true);

    auto *sizes = new QHBoxLayout;
    sizes->addWidget(cboRowNum);
    sizes->addWidget(cboColNum);
    sizes->addStretch(1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(createNote, 1);
    bottom->addWidget(cmdCreate);
    bottom->addWidget(cmdCancel);
    auto *middle = new QHBoxLayout;
    middle->addWidget(buildAttributes());
    middle->addWidget(buildSettingsArea(), 1);

    auto *whole = new QVBoxLayout(this);
    whole->addWidget(picHead);
    whole->addLayout(sizes);
    whole->addLayout(middle, 1);
    whole->addLayout(bottom);
}

QWidget *frmTable::buildAttributes()
{
    Frame1 = new QGroupBox(QStringLiteral("Set Table Attributes"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(Frame1);

    optAtt = makeOptions(Frame1, "optAtt", {"Border", "Cellspacing", "Cellpadding"},
                         {"Default is 1", "Default is 2. [Is the space BETWEEN cells.]",
                          "Default is 1. [Is the space INSIDE of cells.]"});
    optAtt.first()->setChecked(true);
    cboSetAtt = new QComboBox(Frame1);
    cboSetAtt->setObjectName(QStringLiteral("cboSetAtt"));
    cboSetAtt->setEditable(true);
    // Return must not add the typed value to the list.
    cboSetAtt->setInsertPolicy(QComboBox::NoInsert);
    cboSetAtt->addItems({"0", "1", "2", "3"});
    cboSetAtt->setEditText(QStringLiteral("Border=1"));
    cboSetAtt->setToolTip(QStringLiteral(
        "Select from list or type in an appropriate value.   THEN click the ENTER button that appears."));
    cboSetAtt->setAccessibleName(QStringLiteral("Attribute value"));
    cboSetAtt->lineEdit()->installEventFilter(this);
    cmdEnterAtt = makeButton(Frame1, "cmdEnterAtt", QStringLiteral("Enter"));
    cmdEnterAtt->setToolTip(
        QStringLiteral("Assigns the Value in the box above, for the attribute selected at left."));
    cmdEnterAtt->hide();
    for (int i = 0; i < optAtt.size(); ++i) {
        grid->addWidget(optAtt[i], i, 0);
        connect(optAtt[i], &QRadioButton::clicked, this, [this, i] { optAtt_Click(i); });
    }
    grid->addWidget(cboSetAtt, 0, 1);
    grid->addWidget(cmdEnterAtt, 1, 1);
    // Only a number of one or two digits is ever written: the button shows for nothing else.
    connect(cboSetAtt, &QComboBox::editTextChanged, this,
            [this](const QString &text) { cmdEnterAtt->setVisible(TableRules::isAttributeValue(text)); });
    connect(cmdEnterAtt, &QPushButton::clicked, this, &frmTable::cmdEnterAtt_Click);

    lblAlignTable = makeLabel(Frame1, "lblAlignTable", QStringLiteral("Align"));
    lblAlignTable->setToolTip(QStringLiteral("Default is LEFT. [Aligns TABLE on page.]"));
    optT_Align = makeOptions(Frame1, "optT_Align", {"Left", "Center", "Right"});
    auto *aligns = new QHBoxLayout;
    aligns->addWidget(lblAlignTable);
    static const char *const tableAligns[] = {" align=left", " align=center", " align=right"};
    for (int i = 0; i < optT_Align.size(); ++i) {
        optT_Align[i]->setToolTip(lblAlignTable->toolTip());
        optT_Align[i]->setAccessibleName(QStringLiteral("Align ") + optT_Align[i]->text());
        aligns->addWidget(optT_Align[i]);
        connect(optT_Align[i], &QRadioButton::clicked, this,
                [this, i] { m_model.TableAlignAttr = QLatin1String(tableAligns[i]); });
    }
    grid->addLayout(aligns, 3, 0, 1, 2);

    lblTableWidth = makeLabel(Frame1, "lblTableWidth", QStringLiteral("Table Width"));
    lblTableWidth->setToolTip(QStringLiteral("Default value is 100%"));
    scrT_Width = makeBar(Frame1, "scrT_Width", lblTableWidth->text());
    scrT_Width->setRange(5, 100);
    scrT_Width->setValue(100);
    scrT_Width->setToolTip(lblTableWidth->toolTip());
    scrT_Width->setMinimumWidth(120);
    lblTableWidth->setBuddy(scrT_Width);
    lblT_Percent = makeLabel(Frame1, "lblT_Percent", QStringLiteral("100%"));
    connect(scrT_Width, &QScrollBar::valueChanged, this, [this](int value) {
        lblT_Percent->setText(QStringLiteral("%1%").arg(value));
        m_model.WidthAttr = QStringLiteral(" width=%1%").arg(value);
    });
    auto *width = new QHBoxLayout;
    width->addWidget(lblTableWidth);
    width->addWidget(scrT_Width, 1);
    width->addWidget(lblT_Percent);
    grid->addLayout(width, 4, 0, 1, 2);

    chkTBG = makeCheck(Frame1, "chkTBG", QStringLiteral("Use a Background Color"),
                       QStringLiteral("Check to assign a background COLOR to the TABLE."));
    chkHeader =
        makeCheck(Frame1, "chkHeader", QStringLiteral("Use first row for headings."),
                  QStringLiteral("A Table Header (<TH>)  renders text in top row as Bold and Centered."));
    chkCaption = makeCheck(Frame1, "chkCaption", QStringLiteral("Include a Caption"),
                           QStringLiteral("When checked, enter a caption into the textbox."));
    connect(chkTBG, &QCheckBox::clicked, this, &frmTable::chkTBG_Click);
    connect(chkHeader, &QCheckBox::clicked, this, &frmTable::chkHeader_Click);
    connect(chkCaption, &QCheckBox::clicked, this, &frmTable::chkCaption_Click);
    grid->addWidget(chkTBG, 5, 0, 1, 2);
    grid->addWidget(chkHeader, 6, 0, 1, 2);
    grid->addWidget(chkCaption, 7, 0, 1, 2);

    txtCaption = new QLineEdit(Frame1);
    txtCaption->setObjectName(QStringLiteral("txtCaption"));
    txtCaption->setToolTip(QStringLiteral("Enter Caption here."));
    txtCaption->setAccessibleName(QStringLiteral("Caption"));
    txtCaption->installEventFilter(this);
    connect(txtCaption, &QLineEdit::textChanged, this, [this](const QString &text) {
        lblCaption->setText(text);
        if (m_model.captionOn)
            m_model.CaptionText = text;
    });
    optAlignCaption =
        makeOptions(Frame1, "optAlignCaption", {"Top align", "Bottom"},
                    {"Caption will appear ABOVE the table.", "Caption will appear BELOW the table."});
    optAlignCaption.first()->setChecked(true);
    static const char *const captionAligns[] = {" align=top>", " align=bottom>"};
    for (int i = 0; i < optAlignCaption.size(); ++i) {
        optAlignCaption[i]->setAccessibleName(QStringLiteral("Caption ") + optAlignCaption[i]->text());
        connect(optAlignCaption[i], &QRadioButton::clicked, this,
                [this, i] { m_model.CaptionAlignAttr = QLatin1String(captionAligns[i]); });
    }
    lblCaption = makeLabel(Frame1, "lblCaption", QStringLiteral("Table Caption"));
    grid->addWidget(txtCaption, 8, 0, 1, 2);
    auto *captionAlign = new QHBoxLayout;
    captionAlign->addWidget(optAlignCaption[0]);
    captionAlign->addWidget(optAlignCaption[1]);
    grid->addLayout(captionAlign, 9, 0, 1, 2);
    grid->addWidget(lblCaption, 10, 0, 1, 2);
    grid->setRowStretch(11, 1);
    for (QWidget *widget : {static_cast<QWidget *>(txtCaption), static_cast<QWidget *>(optAlignCaption[0]),
                            static_cast<QWidget *>(optAlignCaption[1])})
        widget->hide();
    return Frame1;
}

QWidget *frmTable::buildSettingsArea()
{
    picSettings = new QFrame(this);
    picSettings->setObjectName(QStringLiteral("picSettings"));
    picSettings->setFrameShape(QFrame::StyledPanel);
    picT = new QFrame(picSettings);
    picT->setObjectName(QStringLiteral("picT"));
    picT->setFixedSize(pixels(TableModel::kPreviewWidth), pixels(TableModel::kPreviewHeight));
    for (int row = 0; row < TableModel::kMaxSize; ++row) {
        QList<QLabel *> cells;
        const QByteArray name = "lbl" + QByteArray::number(row + 1);
        for (int col = 0; col < TableModel::kMaxSize; ++col) {
            QLabel *cell = makeLabel(picT, name.constData(), QString());
            cell->setObjectName(arrayName(name.constData(), col));
            cell->setFrameShape(QFrame::Box);
            cell->setAlignment(Qt::AlignCenter);
            cell->setAutoFillBackground(true);
            cell->setFocusPolicy(Qt::StrongFocus);
            cell->setAccessibleName(QStringLiteral("Cell in row %1, column %2").arg(row).arg(col));
            cell->installEventFilter(this);
            cells.append(cell);
        }
        lbl.append(cells);
    }
    lbl[0][0]->setText(QStringLiteral(" "));

    const auto link = [this](const char *name, const QString &caption) {
        QLabel *label = makeLabel(picSettings, name, QString());
        label->setTextFormat(Qt::RichText);
        label->setText(QStringLiteral("<a href=\"#\">%1</a>").arg(caption));
        label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        label->setFocusPolicy(Qt::StrongFocus);
        label->setAccessibleName(caption);
        return label;
    };
    lblCell = link("lblCell", QStringLiteral("Cells"));
    lblFonts = link("lblFonts", QStringLiteral("Fonts"));
    lblExplain = makeLabel(picSettings, "lblExplain", QStringLiteral("\n<TD>s and Table Fonts"));
    connect(lblCell, &QLabel::linkActivated, this, [this] {
        lblExplain->setText(
            QStringLiteral("Adjust TDs, Rows and Columns,\nby Right-Clicking on a table cell."));
    });
    connect(lblFonts, &QLabel::linkActivated, this, [this] {
        lblExplain->setText(
            QStringLiteral("To choose a font for ALL cells,\na STYLE should be set for \"TD\"."));
    });

    lblWidth = makeLabel(picSettings, "lblWidth", QStringLiteral("Adjust width of Table Cell"));
    hScrW = makeBar(picSettings, "hScrW", lblWidth->text());
    lblWidth->setBuddy(hScrW);
    lblScrW = makeLabel(picSettings, "lblScrW", QString());
    lblScrW->setMinimumWidth(80);
    hScrW->setMinimumWidth(160);
    connect(hScrW, &QScrollBar::valueChanged, this,
            [this](int value) { lblScrW->setText(TableRules::valueText(m_model.AdjustMode, value)); });
    for (int i = 0; i < 2; ++i) {
        auto *button = new QToolButton(picSettings);
        button->setObjectName(arrayName("Picture1", i));
        button->setIcon(buttonPicture(i == 0));
        button->setIconSize(QSize(20, 20));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::StrongFocus);
        const QString caption = i == 0 ? QStringLiteral("Apply") : QStringLiteral("Cancel adjustment");
        button->setToolTip(caption);
        button->setAccessibleName(caption);
        connect(button, &QToolButton::clicked, this, [this, i] { Picture1_Click(i); });
        Picture1.append(button);
    }

    auto *links = new QHBoxLayout;
    links->addWidget(lblCell);
    links->addWidget(lblFonts);
    links->addWidget(lblExplain, 1);
    auto *bar = new QHBoxLayout;
    bar->addWidget(lblWidth);
    bar->addWidget(hScrW, 1);
    bar->addWidget(lblScrW);
    bar->addWidget(Picture1[0]);
    bar->addWidget(Picture1[1]);
    auto *column = new QVBoxLayout(picSettings);
    column->addWidget(picT, 0, Qt::AlignHCenter);
    column->addLayout(bar);
    column->addLayout(links);
    column->addStretch(1);
    // The bar's place stays free while it is hidden, so the dialog does not jump.
    for (QWidget *widget :
         {static_cast<QWidget *>(lblWidth), static_cast<QWidget *>(hScrW), static_cast<QWidget *>(lblScrW),
          static_cast<QWidget *>(Picture1[0]), static_cast<QWidget *>(Picture1[1])}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    hideBar();
    return picSettings;
}

void frmTable::buildMenus()
{
    mnuAdjust = new QMenu(QStringLiteral("Adjust Table Cells"), this);
    mnuAdjust->setObjectName(QStringLiteral("mnuAdjust"));
    const QStringList headings{"", "            Menu to set", "   CELL ATTRIBUTES", ""};
    for (int i = 0; i < headings.size(); ++i)
        connect(makeAction(mnuAdjust, "mnuAdjustDummy", i, headings[i]), &QAction::triggered, this,
                [this] { menuActed(), removeMark(); });
    mnuAdjust->setDefaultAction(mnuAdjust->actions().at(2));

    const auto subMenu = [this](const char *name, const QString &caption, const char *items,
                                const QStringList &captions, const std::function<void(int)> &run) {
        QMenu *menu = mnuAdjust->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        for (int i = 0; i < captions.size(); ++i)
            connect(makeAction(menu, items, i, captions[i]), &QAction::triggered, this,
                    [this, run, i] { menuActed(), run(i); });
    };
    subMenu("mnuAdjustBC", QStringLiteral("Background Color"), "mnuAdjustBCSet",
            {"Select Web Safe Color", "Select Custom Color", "Clear Color Setting"}, [this](int i) {
                const std::optional<mCell::Colour> colour = i == 0   ? webSafeColour(2)
                                                            : i == 1 ? customColour()
                                                                     : std::nullopt;
                if (i == 2)
                    m_model.setCellColour(m_model.CurCol, m_model.CurRow, std::nullopt);
                else if (colour)
                    setBC(m_model.CurCol, m_model.CurRow, *colour);
                removeMark();
            });
    static const char *const aligns[] = {" align=left", " align=center", " align=right", "", ""};
    subMenu("mnuAdjustAlign", QStringLiteral("<TD> Align"), "mnuAdjustAlignSet",
            {"Left", "Center", "Right", "-", "Clear align"}, [this](int i) {
                m_model.cell(m_model.CurCol, m_model.CurRow).AlignAttr = QLatin1String(aligns[i]);
                removeMark();
            });
    static const char *const valigns[] = {" valign=top", " valign=middle", " valign=bottom", "", ""};
    subMenu("mnuAdjustvAlign", QStringLiteral("<TD> V Align"), "mnuAdjustvAlignSet",
            {"Top", "Middle", "Bottom", "-", "Clear V-Align"}, [this](int i) {
                m_model.cell(m_model.CurCol, m_model.CurRow).VAlignAttr = QLatin1String(valigns[i]);
                removeMark();
            });
    const QStringList widths{"Column Width (in Percentage)",
                             "Column Width (in Pixels)",
                             "-",
                             "Reset Column Width",
                             "-",
                             "ColSpan",
                             "RowSpan",
                             "-",
                             "Reset Col/RowSpan"};
    for (int i = 0; i < widths.size(); ++i)
        connect(makeAction(mnuAdjust, "mnuAdjustW", i, widths[i]), &QAction::triggered, this,
                [this, i] { menuActed(), adjustCommand(i); });
    const QStringList ends{"-", "-", "                CANCEL", "-", "-"};
    for (int i = 0; i < ends.size(); ++i)
        connect(makeAction(mnuAdjust, "mnuAdjustDummy2", i, ends[i]), &QAction::triggered, this,
                [this] { menuActed(), removeMark(); });

    mnuTableBG = new QMenu(this);
    mnuTableBG->setObjectName(QStringLiteral("mnuTableBG"));
    const QStringList tableColours{"Web Safe Colors", "-", "Custom Colors"};
    for (int i = 0; i < tableColours.size(); ++i)
        connect(makeAction(mnuTableBG, "mnuTableBGSet", i, tableColours[i]), &QAction::triggered, this,
                [this, i] {
                    menuActed();
                    if (const auto colour = i == 0 ? webSafeColour(3) : customColour())
                        setTBG(*colour);
                    // No colour chosen: the box goes back to what the table has.
                    chkTBG->setChecked(m_model.tableColour().has_value());
                });

    mnuTH = new QMenu(this);
    mnuTH->setObjectName(QStringLiteral("mnuTH"));
    QMenu *setColour = mnuTH->addMenu(QStringLiteral("Set Header BG Color"));
    setColour->setObjectName(arrayName("mnuTHSet", 0));
    const QStringList headerColours{"Choose Web Safe Color", "Choose Custom Color"};
    for (int i = 0; i < headerColours.size(); ++i)
        connect(makeAction(setColour, "mnuTHSetColor", i, headerColours[i]), &QAction::triggered, this,
                [this, i] {
                    menuActed();
                    if (const auto colour = i == 0 ? webSafeColour(4) : customColour())
                        setTH(*colour);
                });
    connect(makeAction(mnuTH, "mnuTHSet", 1, QStringLiteral("Don't Set BG Color")), &QAction::triggered, this,
            &frmTable::menuActed);
}

// --- the preview ---------------------------------------------------------------------

void frmTable::layoutPreview()
{
    for (const QList<QLabel *> &row : std::as_const(lbl))
        for (QLabel *cell : row) {
            cell->hide();
            cell->setGeometry(0, 0, 0, 0);
        }
    for (const TableModel::CellRect &rect : m_model.layout()) {
        QLabel *cell = lbl[rect.row][rect.col];
        // Edges scaled one by one, so that neighbours meet without gaps.
        const int left = pixels(rect.twips.left());
        const int top = pixels(rect.twips.top());
        cell->setGeometry(left, top, pixels(rect.twips.left() + rect.twips.width()) - left,
                          pixels(rect.twips.top() + rect.twips.height()) - top);
        QPalette palette = cell->palette();
        palette.setColor(QPalette::Window, toQColor(m_model.previewColour(rect.col, rect.row)));
        palette.setColor(QPalette::WindowText, Qt::black);
        cell->setPalette(palette);
        const bool marked = m_model.isMarked() && rect.col == m_model.CurCol && rect.row == m_model.CurRow;
        if (marked)
            cell->setText(QStringLiteral("Active\nCell"));
        else if (cell->text() == QLatin1String("Active\nCell"))
            cell->setText(QString());
        cell->show();
    }
}

void frmTable::removeMark()
{
    m_model.unmark();
    layoutPreview();
}

void frmTable::hideBar()
{
    for (QWidget *widget :
         {static_cast<QWidget *>(lblWidth), static_cast<QWidget *>(hScrW), static_cast<QWidget *>(lblScrW),
          static_cast<QWidget *>(Picture1[0]), static_cast<QWidget *>(Picture1[1])})
        widget->hide();
}

void frmTable::sizeChosen(bool rows, int entry)
{
    // Entry 0 is the prompt and changes nothing; entry k is k rows or columns.
    if (entry < 1)
        return;
    if (rows)
        m_model.setRowCount(entry);
    else
        m_model.setColCount(entry);
    hideBar();
    layoutPreview();
}

// --- table attributes -----------------------------------------------------------------

void frmTable::optAtt_Click(int index)
{
    static const char *const words[] = {"Border", "Spacing", "Padding"};
    const QString fragment = index == 0   ? m_model.BorderAttr
                             : index == 1 ? m_model.SpacingAttr
                                          : m_model.PaddingAttr;
    cmdEnterAtt->hide();
    cboSetAtt->clear();
    cboSetAtt->addItems({"0", "1", "2", "3"});
    cboSetAtt->setEditText(fragment.isEmpty() ? QLatin1String(words[index]) : fragment);
}

void frmTable::cmdEnterAtt_Click()
{
    const QString value = cboSetAtt->currentText();
    if (!TableRules::isAttributeValue(value))
        return;
    if (optAtt[0]->isChecked())
        m_model.BorderAttr = QStringLiteral(" border=") + value;
    else if (optAtt[1]->isChecked())
        m_model.SpacingAttr = QStringLiteral(" cellspacing=") + value;
    else
        m_model.PaddingAttr = QStringLiteral(" cellpadding=") + value;
    cmdEnterAtt->hide();
}

void frmTable::chkTBG_Click(bool checked)
{
    if (checked) {
        popUp(mnuTableBG, [this] { chkTBG->setChecked(m_model.tableColour().has_value()); });
        return;
    }
    m_model.setTableColour(std::nullopt);
    layoutPreview();
}

void frmTable::chkHeader_Click(bool checked)
{
    m_model.setHeaderRow(checked);
    layoutPreview();
    if (checked)
        popUp(mnuTH, {});
}

void frmTable::chkCaption_Click(bool checked)
{
    m_model.setCaption(checked);
    for (QWidget *widget : {static_cast<QWidget *>(txtCaption), static_cast<QWidget *>(optAlignCaption[0]),
                            static_cast<QWidget *>(optAlignCaption[1])})
        widget->setVisible(checked);
    optAlignCaption[0]->setChecked(true);
    txtCaption->setText(m_model.CaptionText);
    lblCaption->setText(checked ? m_model.CaptionText : QStringLiteral("Table Caption"));
    if (checked)
        txtCaption->setFocus();
}

void frmTable::setBC(int cc, int rr, mCell::Colour mBC)
{
    if (cc < 0 || cc >= TableModel::kMaxSize || rr < 0 || rr >= TableModel::kMaxSize)
        return;
    m_model.setCellColour(cc, rr, mBC);
    layoutPreview();
}

void frmTable::setTBG(mCell::Colour newBG)
{
    m_model.setTableColour(newBG);
    layoutPreview();
}

void frmTable::setTH(mCell::Colour newBG)
{
    m_model.setHeaderColour(newBG);
    layoutPreview();
}

// --- colours ----------------------------------------------------------------------------

std::optional<mCell::Colour> frmTable::webSafeColour(int mode)
{
    m_palettePick.reset();
    auto *palette = new frmColors(this); // deletes itself as it closes
    palette->doYourDuty(mode, this);
    palette->exec();
    return std::exchange(m_palettePick, std::nullopt);
}

void frmTable::paletteColour(int mode, Platform::ColourValue colour, const QString &)
{
    if (mode >= frmColors::TableCell && mode <= frmColors::TableHeader)
        m_palettePick = colour;
}

std::optional<mCell::Colour> frmTable::customColour()
{
    return Platform::Services::colourDialogs().chooseColour(this);
}

// --- the cell menu ----------------------------------------------------------------------

void frmTable::popUp(QMenu *menu, const std::function<void()> &dismissed)
{
    m_menuActed = false;
    disconnect(m_menuWatch);
    m_menuWatch = connect(
        menu, &QMenu::aboutToHide, this,
        [this, dismissed] {
            // A chosen command runs right after the menu hides; only a menu
            // closed without one finds nothing acted once control is back.
            QTimer::singleShot(0, this, [this, dismissed] {
                if (!m_menuActed && dismissed)
                    dismissed();
            });
        },
        Qt::SingleShotConnection);
    menu->popup(picSettings->mapToGlobal(QPoint(pixels(45), pixels(60))));
}

void frmTable::cellRightClick(int col, int row)
{
    // The pointer goes to the menu, where the platform lets a program move it.
    QCursor::setPos(picSettings->mapToGlobal(QPoint(20, 20)));
    m_model.select(col, row);
    hideBar();
    findChild<QAction *>(QStringLiteral("mnuAdjustW(3)"))->setEnabled(TableRules::canResetWidth(m_model));
    findChild<QAction *>(QStringLiteral("mnuAdjustW(8)"))->setEnabled(TableRules::canResetSpans(m_model));
    layoutPreview();
    popUp(mnuAdjust, [this] { removeMark(); });
}

void frmTable::cellInformation(int col, int row)
{
    message(QStringLiteral("Table Cell Information"), m_model.cellInformation(col, row));
}

void frmTable::adjustCommand(int index)
{
    if (index == 3 || index == 8) {
        if (index == 3)
            TableRules::resetColumnWidth(m_model);
        else
            TableRules::resetSpans(m_model);
        removeMark();
        return;
    }
    static const int modes[] = {TableRules::PercentMode, TableRules::PixelMode,  0, 0, 0,
                                TableRules::ColSpanMode, TableRules::RowSpanMode};
    const TableRules::Outcome outcome = TableRules::open(m_model, modes[index]);
    if (const auto *bar = std::get_if<TableRules::Bar>(&outcome)) {
        // The range first: a value outside the old range would be cut silently.
        hScrW->setRange(bar->minimum, bar->maximum);
        hScrW->setValue(bar->value);
        lblWidth->setText(bar->title);
        lblScrW->setText(TableRules::valueText(bar->mode, bar->value));
        for (QWidget *widget : {static_cast<QWidget *>(lblWidth), static_cast<QWidget *>(hScrW),
                                static_cast<QWidget *>(lblScrW), static_cast<QWidget *>(Picture1[0]),
                                static_cast<QWidget *>(Picture1[1])})
            widget->show();
        hScrW->setFocus();
        return;
    }
    if (const auto *refusal = std::get_if<TableRules::Refusal>(&outcome))
        message(refusal->title, refusal->text);
    removeMark();
}

void frmTable::Picture1_Click(int index)
{
    hideBar();
    if (index == 0)
        TableRules::apply(m_model, hScrW->value());
    else
        TableRules::cancel(m_model);
    removeMark();
}

// --- output -------------------------------------------------------------------------------

void frmTable::cmdCreate_Click()
{
    m_model.unmark();
    if (!m_page || m_page->isClosing()) {
        // The page the table was meant for has gone: nothing is written anywhere.
        reject();
        return;
    }
    m_page->kidPaste(TableGenerator::tableText(m_model));
    m_page->richy->setFocus();
    accept();
}

bool frmTable::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == cboSetAtt->lineEdit() && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        const bool typed = text.size() == 1 && (text[0].isPrint() || text[0] == u'\b') &&
                           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (typed) {
            const QLineEdit *entry = cboSetAtt->lineEdit();
            if (const auto refusal =
                    TableRules::attributeKey(entry->text(), int(entry->selectedText().size()), text[0])) {
                message(refusal->title, refusal->text);
                return true;
            }
        }
        return QDialog::eventFilter(watched, event);
    }
    if (watched == txtCaption && event->type() == QEvent::FocusIn) {
        QTimer::singleShot(0, txtCaption, &QLineEdit::selectAll);
        return QDialog::eventFilter(watched, event);
    }
    // Only mouse events are read as such; the others (a child added, a
    // paint) are not mouse events at all.
    const auto *mouse = dynamic_cast<const QMouseEvent *>(event);
    if (watched == picHead) {
        if (!mouse)
            return QDialog::eventFilter(watched, event);
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton)
            m_dragStart = mouse->globalPosition().toPoint() - frameGeometry().topLeft();
        else if (event->type() == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton))
            move(mouse->globalPosition().toPoint() - m_dragStart);
        return QDialog::eventFilter(watched, event);
    }
    for (int row = 0; row < lbl.size(); ++row) {
        const int col = int(lbl[row].indexOf(qobject_cast<QLabel *>(watched)));
        if (col < 0)
            continue;
        if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::RightButton) {
            cellRightClick(col, row);
            return true;
        }
        if (event->type() == QEvent::ContextMenu &&
            static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard) {
            cellRightClick(col, row);
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton) {
            cellInformation(col, row);
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton && row == 0)
            removeMark();
        break;
    }
    return QDialog::eventFilter(watched, event);
}
