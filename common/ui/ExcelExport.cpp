#include "common/ui/ExcelExport.h"

#include "common/Archive.h"
#include "common/ui/CommandPictures.h"
#include "common/Cp1252.h"
#include "common/ui/EditRules.h"
#include "common/Guard.h"
#include "common/ui/ListWindow.h"
#include "common/Record.h"
#include "common/Text.h"
#include "common/WholeFileExport.h"
#include "common/ui/Widgets.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QShowEvent>
#include <QTableView>

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

const QColor WindowGrey(0xee, 0xed, 0xed);
const QColor SlateBlue(0x6a, 0x5a, 0xcd);
const QColor Navy(0x1f, 0x4e, 0x79);
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

    QFont f(QStringLiteral("Tahoma"));
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setBold(true);
    const QRectF text(sheet.right() + 14, 0, size.width() - sheet.right() - 16, h);
    for (int px = int(h * 0.42); px > 6; --px) {
        f.setPixelSize(px);
        if (QFontMetricsF(f).horizontalAdvance(QStringLiteral("ESPORTAZIONE IN EXCEL")) <= text.width())
            break;
    }
    p.setFont(f);
    p.setPen(Navy);
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("ESPORTAZIONE IN EXCEL"));
    return pm;
}

// Appends a text as it stands in the worksheet, in Windows-1252: "&", "<", ">" and the double
// quote become entities and a control character a character reference, so every field reaches the
// spreadsheet exactly as it is and the file stays one line. Plain ASCII goes straight in.
void AppendHtmlText(QByteArray &out, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        switch (c) {
        case u'&': out += "&amp;"; break;
        case u'<': out += "&lt;"; break;
        case u'>': out += "&gt;"; break;
        case u'"': out += "&quot;"; break;
        default:
            if (c < 32) {
                out += "&#" + QByteArray::number(int(c)) + ';';
            } else if (c < 0x80) {
                out += char(c);
            } else {
                // A pair of surrogates is one character of the code page's choosing.
                const bool pair = QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
                const qsizetype n = pair ? 2 : 1;
                out += ToCp1252(text.mid(i, n));
                i += n - 1;
            }
        }
    }
}

QFont StatusFont()
{
    QFont f(QStringLiteral("Tahoma"));
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setPointSize(12);
    return f;
}

} // namespace

// The grid's cells, kept as plain texts in row order: a large archive costs one text per cell.
class ExportGridModel : public QAbstractTableModel {
public:
    ExportGridModel(QStringList headers, std::vector<bool> readOnly, QObject *parent)
        : QAbstractTableModel(parent), headers_(std::move(headers)), readOnly_(std::move(readOnly))
    {
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(headers_.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        return text(index.row(), index.column());
    }

    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (!index.isValid() || role != Qt::EditRole)
            return false;
        setText(index.row(), index.column(), value.toString());
        return true;
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        Qt::ItemFlags f = QAbstractTableModel::flags(index);
        if (index.isValid() && !readOnly_[size_t(index.column())])
            f |= Qt::ItemIsEditable;
        return f;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < headers_.size())
            return headers_[section];
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    const QString &text(int row, int column) const { return cells_[size_t(row) * headers_.size() + column]; }

    void setText(int row, int column, const QString &value)
    {
        fillText(row, column, value);
        const QModelIndex i = index(row, column);
        emit dataChanged(i, i);
    }

    // Filling many cells: each is stored quietly, and the view is told once at the end.
    void fillText(int row, int column, const QString &value) { cells_[size_t(row) * headers_.size() + column] = value; }
    void filled()
    {
        if (rows_ > 0)
            emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
    }

    void setRows(int rows)
    {
        rows = std::max(0, rows);
        if (rows > rows_) {
            beginInsertRows({}, rows_, rows - 1);
            cells_.resize(size_t(rows) * headers_.size());
            rows_ = rows;
            endInsertRows();
        } else if (rows < rows_) {
            beginRemoveRows({}, rows, rows_ - 1);
            cells_.resize(size_t(rows) * headers_.size());
            rows_ = rows;
            endRemoveRows();
        }
    }

private:
    QStringList headers_;
    std::vector<bool> readOnly_;
    std::vector<QString> cells_;
    int rows_ = 0;
};

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
    shpSfondo->setStyleSheet(QStringLiteral("QFrame#shpSfondo { background: white; border: 1px solid #c8c8c8; }"));
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
    shpInfo->setStyleSheet(QStringLiteral("QFrame#shpInfo { background: %1; }").arg(SlateBlue.name()));
    panInfo = MakeNamed<QLabel>(shpInfo, QStringLiteral("panInfo"),
                                QStringLiteral("Esportazione archivio in Microsoft Excel."));
    panInfo->setGeometry(10, 0, PanelWidth - 20, 36);
    panInfo->setFont(StatusFont());
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
        if (c.fields && definition_.layout) {
            for (const QString &field : QString::fromLatin1(c.fields).split(u' ', Qt::SkipEmptyParts)) {
                const int i = definition_.layout->indexOf(field);
                if (i < 0)
                    throw std::invalid_argument("export column " + std::string(c.name) + ": no field " +
                                                field.toStdString());
                indices.push_back(i);
            }
        }
        sources_.push_back(std::move(indices));
    }
    CenterWindow(this);
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
    RunGuarded(
        [&] {
            Archive archive = OpenOrCreateArchive(definition_.archiveName, definition_.layout->recordSize());
            const int count = archive.count();
            if (count == 0)
                return;
            model_->setRows(count);
            for (int r = 0; r < count; ++r) {
                const Record record(*definition_.layout, archive.read());
                model_->fillText(r, 0, QString::number(r + 1));
                for (size_t c = 0; c < sources_.size(); ++c) {
                    QString text;
                    for (size_t f = 0; f < sources_[c].size(); ++f) {
                        if (f > 0)
                            text += u' ';
                        text += record.text(sources_[c][f]);
                    }
                    if (!sources_[c].empty())
                        model_->fillText(r, int(c) + 1, text);
                }
            }
        },
        nullptr);
    model_->filled();
}

QByteArray ExcelExportWindow::ExcelHtmlDocument() const
{
    // Built straight in Windows-1252, its size worked out first: a large grid is never held twice.
    QByteArray out;
    const int columns = columnCount();
    qsizetype size = 1500 + qsizetype(columns) * 80;
    for (int r = 0; r < rowCount(); ++r) {
        size += 9;
        for (int c = 1; c < columns; ++c)
            size += 36 + cell(r, c).size();
    }
    out.reserve(size + size / 16);
    out +=
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\">"
        "<head>"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        "<!--[if gte mso 9]><xml>"
        "<x:ExcelWorkbook>"
        "<x:ExcelWorksheets>"
        "<x:ExcelWorksheet>"
        "<x:Name>";
    AppendHtmlText(out, definition_.sheetName);
    out +=
        "</x:Name>"
        "<x:WorksheetOptions>"
        "<x:Selected/>"
        "<x:Panes>"
        "<x:Pane>"
        "<x:Number>1</x:Number>"
        "<x:ActiveRow>3</x:ActiveRow>"
        "</x:Pane>"
        "</x:Panes>"
        "<x:ProtectContents>False</x:ProtectContents>"
        "<x:ProtectObjects>False</x:ProtectObjects>"
        "<x:ProtectScenarios>False</x:ProtectScenarios>"
        "</x:WorksheetOptions>"
        "</x:ExcelWorksheet>"
        "</x:ExcelWorksheets>"
        "</x:ExcelWorkbook>"
        "</xml><![endif]-->"
        "</head>"
        "<body>"
        "<table x:str>"
        "<tr>";
    for (const ExportColumn &c : definition_.columns) {
        out += "<td style=\"text-align: left; font-weight: bold;\" width=";
        out += QByteArray::number(c.exportWidth);
        out += '>';
        AppendHtmlText(out, QString::fromUtf8(c.exportTitle));
        out += "</td>";
    }
    out += "</tr>";
    for (int r = 0; r < rowCount(); ++r) {
        out += "<tr>";
        for (int c = 1; c < columns; ++c) {
            out += definition_.columns[size_t(c - 1)].alignRight ? "<td style=\"text-align: right;\">"
                                                                 : "<td style=\"text-align: left;\">";
            AppendHtmlText(out, TrimText(cell(r, c)));
            out += "</td>";
        }
        out += "</tr>";
    }
    out += "</table></body></html>";
    return out;
}

void ExcelExportWindow::cmdEsportaClick()
{
    // The commands take no focus, so a cell being typed into still has its editor open: what was
    // typed there belongs to the grid as it stands.
    QWidget *editor = QApplication::focusWidget();
    if (editor && grdRecords->viewport()->isAncestorOf(editor))
        QMetaObject::invokeMethod(grdRecords, "commitData", Q_ARG(QWidget *, editor));
    ExportWholeFile(
        definition_.fileName, [this] { return ExcelHtmlDocument(); }, ConfirmQuestion, DoneQuestion,
        FailureMessage);
}

void ExcelExportWindow::cmdGuidaClick()
{
    if (definition_.showHelp)
        definition_.showHelp(this, definition_.helpTitle, definition_.helpText);
}

void ExcelExportWindow::cmdEsciClick() { close(); }
