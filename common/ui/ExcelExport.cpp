#include "common/ui/ExcelExport.h"
#include "common/ui/WindowBuild.h"

#include "common/ArchiveSearch.h"
#include "common/BusyWork.h"
#include "common/Cp1252.h"
#include "common/FitSize.h"
#include "common/Files.h"
#include "common/Guard.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/Record.h"
#include "common/WholeFileExport.h"
#include "common/ui/CommandPictures.h"
#include "common/ui/EditRules.h"
#include "common/ui/ExportGridModel.h"
#include "common/ui/ListWindow.h"
#include "common/ui/Look.h"
#include "common/ui/Widgets.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QShowEvent>
#include <QTableView>

#include <charconv>
#include <stdexcept>

namespace {

constexpr int ClientWidth = 862;
constexpr int ClientHeight = 560;
constexpr int PanelWidth = 837;
constexpr int PanelHeight = 533;
constexpr int GridWidth = 821;
constexpr int GridHeight = 409;
constexpr int RowHeight = 21;
constexpr int DesignRows = 10;
// The most bytes a computed cell keeps.
constexpr qsizetype ComputedCellLimit = 255;

// The export window's own colours; the rest of its palette is the suite's.
const QColor WindowGrey(0xee, 0xed, 0xed);
const QColor SlateBlue(0x6a, 0x5a, 0xcd);
const QColor SheetGreen(0x21, 0x73, 0x46);
const QColor SheetLight(0xe2, 0xef, 0xda);

const QString ConfirmQuestion = QStringLiteral(
    "L'esportazione dei dati in Excel pu\u00f2 richiedere diversi minuti a seconda del numero di schede presenti "
    "in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString DoneQuestion =
    QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString FailureMessage = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
    "Accertarsi che il file di Excel non sia gi\u00e0 aperto.");

// The heading: a small green worksheet and the words "ESPORTAZIONE IN EXCEL".
QPixmap HeadingPicture(QSize size)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const qreal h = size.height();
    const QRectF sheet(4, h * 0.12, h * 0.76, h * 0.76);
    p.setPen(QPen(SheetGreen, 2));
    p.setBrush(SheetLight);
    p.drawRoundedRect(sheet, 4, 4);
    p.setPen(QPen(SheetGreen, 1.2));
    for (int i = 1; i < 4; ++i) {
        const qreal y = sheet.top() + sheet.height() * i / 4;
        p.drawLine(QPointF(sheet.left(), y), QPointF(sheet.right(), y));
        const qreal x = sheet.left() + sheet.width() * i / 4;
        p.drawLine(QPointF(x, sheet.top()), QPointF(x, sheet.bottom()));
    }
    // The green badge with a white X over the sheet's lower left corner.
    const QRectF badge(sheet.left() - 2, sheet.center().y() - 2, sheet.width() * 0.56, sheet.height() * 0.56);
    p.setPen(Qt::NoPen);
    p.setBrush(SheetGreen);
    p.drawRoundedRect(badge, 3, 3);
    p.setPen(QPen(Qt::white, std::max(2.0, h * 0.05), Qt::SolidLine, Qt::RoundCap));
    const QRectF x = badge.adjusted(badge.width() * 0.28, badge.height() * 0.24, -badge.width() * 0.28,
                                    -badge.height() * 0.24);
    p.drawLine(x.topLeft(), x.bottomRight());
    p.drawLine(x.topRight(), x.bottomLeft());

    QFont f = Look::Tahoma(-1, true);
    const QRectF text(sheet.right() + 14, 0, size.width() - sheet.right() - 16, h);
    const int largest = int(h * 0.42);
    if (largest > 6) {
        // The largest size at which the words fit, 7 pixels at the least.
        const int size = LargestFittingSize(7, largest, [&](int px) {
            f.setPixelSize(px);
            return QFontMetricsF(f).horizontalAdvance(QStringLiteral("ESPORTAZIONE IN EXCEL")) <= text.width();
        });
        f.setPixelSize(std::max(size, 7));
    }
    p.setFont(f);
    p.setPen(Look::Navy);
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("ESPORTAZIONE IN EXCEL"));
    return pm;
}

// Appends a stored field's Windows-1252 bytes, trimmed.
void AppendField(ExportGridRows &out, const Record &record, int field) { out.append(record.trimmedBytes(field)); }

} // namespace

QString ExportHelpText(const QString &data)
{
    return QStringList{
        QStringLiteral("Il comando di esportazione trasferisce ") + data +
            QStringLiteral(" in un foglio di lavoro di Microsoft Excel, che pu\u00f2 essere aperto con qualsiasi "
                           "programma in grado di leggere i file in formato XLS."),
        QStringLiteral("Dopo che si \u00e8 aperta la finestra con la griglia dei dati, \u00e8 sufficiente fare clic "
                       "sull'icona di Excel: il file viene creato immediatamente e, rispondendo s\u00ec alla domanda "
                       "che segue, pu\u00f2 essere aperto subito."),
        QStringLiteral("Una volta aperto, il file pu\u00f2 essere salvato in qualsiasi cartella e con il nome che "
                       "si preferisce, per conservarlo o elaborarlo a piacere."),
    }
        .join(QStringLiteral("\r\n\r\n"));
}

ExcelExportWindow::ExcelExportWindow(ExcelExportDefinition definition, QWidget *owner)
    : QDialog(owner), definition_(std::move(definition))
{
    BuildWhenNeeded(this, [this] {
        setObjectName(definition_.objectName);
        setWindowTitle(definition_.caption);
        MakeFixedWindow(this, ClientWidth, ClientHeight);
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, WindowGrey);
        setPalette(pal);

        panContainer = MakeNamed<QFrame>(this, QStringLiteral("panContainer"));
        panContainer->setGeometry((ClientWidth - PanelWidth) / 2, (ClientHeight - PanelHeight) / 2, PanelWidth,
                                  PanelHeight);

        // The heading strip with the heading picture, the hand and the three commands.
        shpSfondo = MakeNamed<QFrame>(panContainer, QStringLiteral("shpSfondo"));
        shpSfondo->setGeometry(0, 0, PanelWidth, 76);
        PaintStyledBackground(shpSfondo, QStringLiteral("background: white; border: 1px solid #c8c8c8;"));
        imgLogo = MakeNamed<QLabel>(shpSfondo, QStringLiteral("imgLogo"));
        imgLogo->setGeometry(8, 6, 340, 64);
        icoHand = MakeNamed<QLabel>(shpSfondo, QStringLiteral("icoHand"));
        icoHand->setGeometry(376, 16, 44, 44);
        const QSize tile(124, 46);
        const struct {
            ClickLabel *&command;
            const char *name;
            int left;
            void (ExcelExportWindow::*handler)();
            const char *hint;
        } commands[] = {
            {cmdEsporta, "cmdEsporta", 432, &ExcelExportWindow::cmdEsportaClick,
             "Esporta l'archivio in formato Microsoft Excel."},
            {cmdGuida, "cmdGuida", 566, &ExcelExportWindow::cmdGuidaClick,
             "Visualizza la pagina della guida sensibile al contesto."},
            {cmdEsci, "cmdEsci", 700, &ExcelExportWindow::cmdEsciClick, "Esci da questo ambiente di lavoro."},
        };

        // The grid: "N." and then one column per definition column.
        QStringList headers{QStringLiteral("N.")};
        std::vector<bool> readOnly{true};
        for (const ExportColumn &c : definition_.columns) {
            headers << QString::fromUtf8(c.header);
            readOnly.push_back(c.readOnly);
        }
        model_ = new ExportGridModel(headers, readOnly, this);
        grdRecords = MakeNamed<QTableView>(panContainer, QStringLiteral("grdRecords"));
        grdRecords->setModel(model_);
        grdRecords->setGeometry((PanelWidth - GridWidth) / 2, 82, GridWidth, GridHeight);
        grdRecords->setAlternatingRowColors(true);
        grdRecords->verticalHeader()->hide();
        grdRecords->verticalHeader()->setMinimumSectionSize(RowHeight);
        grdRecords->verticalHeader()->setDefaultSectionSize(RowHeight);
        grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        grdRecords->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                    QAbstractItemView::AnyKeyPressed);
        grdRecords->setColumnWidth(0, 60);
        for (size_t i = 0; i < definition_.columns.size(); ++i)
            grdRecords->setColumnWidth(int(i) + 1, definition_.columns[i].width);
        model_->setRows(DesignRows);

        // The status strip.
        shpInfo = MakeNamed<QFrame>(panContainer, QStringLiteral("shpInfo"));
        shpInfo->setGeometry(0, PanelHeight - 36, PanelWidth, 36);
        PaintStyledBackground(shpInfo, QStringLiteral("background: %1;").arg(SlateBlue.name()));
        panInfo = MakeNamed<QLabel>(shpInfo, QStringLiteral("panInfo"),
                                    QStringLiteral("Esportazione archivio in Microsoft Excel."));
        panInfo->setGeometry(10, 0, PanelWidth - 20, 36);
        panInfo->setFont(Look::Tahoma(12));
        panInfo->setStyleSheet(QStringLiteral("color: white;"));

        for (const auto &c : commands) {
            c.command = new ClickLabel(shpSfondo, QString::fromLatin1(c.name));
            c.command->setGeometry(QRect(QPoint(c.left, 15), tile));
            c.command->setCursor(Qt::PointingHandCursor);
            connect(c.command, &ClickLabel::clicked, this, c.handler);
            HoverHint(c.command, panInfo, QString::fromUtf8(c.hint));
        }
        // The instance made at start-up stays hidden: its pictures are drawn when a window is first shown.
        DrawOnFirstShow(this, [this, tile] {
            imgLogo->setPixmap(HeadingPicture(imgLogo->size()));
            icoHand->setPixmap(HandPicture(icoHand->size()));
            cmdEsporta->setPixmap(CommandPicture(QStringLiteral("Esporta archivio"), tile));
            cmdGuida->setPixmap(CommandPicture(QStringLiteral("Guida"), tile));
            cmdEsci->setPixmap(CommandPicture(QStringLiteral("Esci"), tile));
        });
        for (QWidget *w : std::initializer_list<QWidget *>{this, panContainer, grdRecords, grdRecords->viewport(),
                                                           shpInfo, panInfo, shpSfondo, imgLogo, icoHand})
            ClearHintOver(w, panInfo);

        // The fields behind each column, looked up once.
        for (const ExportColumn &c : definition_.columns) {
            std::vector<int> indices;
            // The longest text the column can take: its fields whole and a blank between two.
            if (c.computed)
                maxRowText_ += ComputedCellLimit;
            if (c.fields && definition_.layout) {
                for (const QString &field : QString::fromLatin1(c.fields).split(u' ', Qt::SkipEmptyParts)) {
                    const int i = definition_.layout->indexOf(field);
                    if (i < 0)
                        throw std::invalid_argument("export column " + std::string(c.name) + ": no field " +
                                                    field.toStdString());
                    indices.push_back(i);
                    maxRowText_ += definition_.layout->capacity(i) + 1;
                }
            }
            sources_.push_back(std::move(indices));
        }
        CenterWindow(this);
    });
}

int ExcelExportWindow::columnIndex(const QString &name) const
{
    if (name == QLatin1String("colNum"))
        return 0;
    for (size_t i = 0; i < definition_.columns.size(); ++i)
        if (name == QLatin1String(definition_.columns[i].name))
            return int(i) + 1;
    return -1;
}

int ExcelExportWindow::rowCount() const { return model_->rowCount(); }
int ExcelExportWindow::columnCount() const { return model_->columnCount(); }
void ExcelExportWindow::setRowCount(int rows) { model_->setRows(rows); }
QString ExcelExportWindow::cell(int row, int column) const { return model_->text(row, column); }
void ExcelExportWindow::setCell(int row, int column, const QString &text) { model_->setText(row, column, text); }

void ExcelExportWindow::SortGridByColumn(int column) { model_->sortByColumn(column); }

void ExcelExportWindow::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void ExcelExportWindow::FormShow()
{
    if (!definition_.archiveName.isEmpty() && definition_.layout)
        fillFromArchive();
}

void ExcelExportWindow::fillFromArchive()
{
    const BusyWork busy;
    ExportGridRows rows(columnCount());
    bool anyRecord = false;
    const bool filled = RunGuarded(
        [&] {
            ScanArchive(definition_.archiveName, *definition_.layout, [&](const Record &record, int number) {
                anyRecord = true;
                if (definition_.selected && !definition_.selected(record))
                    return;
                // A selecting window numbers its rows in the order found.
                const int shown = definition_.selected ? rows.size() + 1 : number;
                rows.beginRow(maxRowText_);
                char digits[16];
                rows.add(QByteArrayView(digits, std::to_chars(digits, digits + sizeof digits, shown).ptr - digits));
                for (size_t c = 0; c < sources_.size(); ++c) {
                    const std::vector<int> &fields = sources_[c];
                    rows.open();
                    if (const auto &computed = definition_.columns[c].computed) {
                        const QByteArray cell = computed(record);
                        rows.append(QByteArrayView(cell).first(std::min(ComputedCellLimit, cell.size())));
                    }
                    for (size_t f = 0; f < fields.size(); ++f) {
                        if (f > 0)
                            rows.append(' ');
                        AppendField(rows, record, fields[f]);
                    }
                    rows.close();
                }
                rows.endRow(false);
            });
        },
        [this] {
            unreadable_ = true;
            ShowPlainBox(ArchiveAccessMessage());
        });
    // An empty archive keeps the ten empty design rows; after a failure the rows read stay, unsorted.
    if (rows.size() > 0 || anyRecord)
        model_->fill(std::move(rows));
    if (filled && !definition_.sortColumn.isEmpty())
        SortGridByColumn(columnIndex(definition_.sortColumn));
}

ExcelSheet ExcelExportWindow::sheet() const
{
    ExcelSheet sheet{.name = definition_.sheetName, .columns = {}};
    for (const ExportColumn &c : definition_.columns)
        sheet.columns.push_back({QString::fromUtf8(c.exportTitle), c.exportWidth, c.alignRight});
    return sheet;
}

void ExcelExportWindow::writeSheet(const ByteSink &sink) const
{
    // Column 0, "N.", is never written.
    WriteExcelHtml(sheet(), rowCount(), [this](int r, int c) { return model_->stored(r, c + 1); }, sink);
}

QByteArray ExcelExportWindow::ExcelHtmlDocument() const
{
    QByteArray file;
    writeSheet([&file](QByteArrayView piece) { file += piece; });
    return file;
}

void ExcelExportWindow::ExcelHtmlExport()
{
    if (unreadable_) {
        ShowPlainBox(ArchiveAccessMessage());
        return;
    }
    ExportWholeFile({
        .fileName = definition_.fileName,
        .write = [this](const ByteSink &sink) { writeSheet(sink); },
        .confirm = ConfirmQuestion,
        .done = DoneQuestion,
        .failure = FailureMessage,
    });
}

void ExcelExportWindow::cmdEsportaClick()
{
    // The commands take no focus, so a cell being typed into still has its editor open: what was
    // typed there belongs to the grid as it stands.
    QWidget *editor = QApplication::focusWidget();
    if (editor && grdRecords->viewport()->isAncestorOf(editor))
        QMetaObject::invokeMethod(grdRecords, "commitData", Q_ARG(QWidget *, editor));
    ExcelHtmlExport();
}

void ExcelExportWindow::cmdGuidaClick()
{
    if (definition_.showHelp)
        definition_.showHelp(this, definition_.helpTitle, definition_.helpText);
}

void ExcelExportWindow::cmdEsciClick() { close(); }
