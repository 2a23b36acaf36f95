#include "invoice_reports/Statistiche.h"
#include "common/ui/WindowBuild.h"

#include "common/BusyWork.h"
#include "common/Dates.h"
#include "common/Errors.h"
#include "common/Guard.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/Text.h"
#include "common/ui/CardPanel.h"
#include "common/ui/CommandPictures.h"
#include "common/ui/EditRules.h"
#include "common/ui/ListWindow.h"
#include "common/ui/Look.h"
#include "common/ui/Widgets.h"
#include "dialogs/Guida.h"
#include "dialogs/ReturnToLauncher.h"
#include "invoice_reports/InvoiceLists.h"
#include "invoice_reports/TakingsChart.h"
#include "invoices/InvoiceRecord.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>

WindowHandle<TfrmStatistiche> frmStatistiche;

namespace {

constexpr int DesignWidth = 1016;
constexpr int DesignHeight = 713;

const std::array<const char *, 12> MonthLabelNames{
    "memGennaio", "memFebbraio", "memMarzo",     "memAprile",  "memMaggio",   "memGiugno",
    "memLuglio",  "memAgosto",   "memSettembre", "memOttobre", "memNovembre", "memDicembre"};

QStringList chartHelp()
{
    return {
        QStringLiteral("L'applicazione Statistiche fatture emesse consente di visualizzare e stampare grafici "
                       "statistici sulle entrate mensili in base alle fatture emesse nell'anno solare selezionato. "
                       "L'utente può scegliere se visualizzare i dati sotto forma di grafico a torta oppure di "
                       "grafico a barre tridimensionali. Il grafico mostra le entrate al lordo dell'IVA relative a "
                       "ciascun mese dell'anno arrotondando i totali all'euro."),
        QStringLiteral("La prima operazione da eseguire per visualizzare i grafici statistici è quella di indicare "
                       "l'anno solare di interesse. A questo punto, facendo clic sul pulsante Apri, si avrà accesso "
                       "ad una nuova finestra in cui compare il grafico statistico degli incassi."),
        QStringLiteral("Il grafico che appare è costituito da dodici barre tridimensionali, ognuna corrispondente a "
                       "un mese dell'anno solare. Più la barra è alta, più le entrate sono maggiori. L'utente ha la "
                       "possibilità di visualizzare le stesse statistiche sotto forma di grafico a torta facendo clic "
                       "sull'apposito pulsante posizionato in basso. Per tornare a visualizzare il grafico a barre, "
                       "basta premere il pulsante corrispondente."),
        QStringLiteral("Il pulsante Stampa grafico consente di ottenere su carta il grafico visualizzato in quel "
                       "momento unitamente ai dati relativi alle entrate mensili."),
    };
}

ClickLabel *picture(QWidget *panel, const char *name, const QString &word, const QRect &at)
{
    auto *command = new ClickLabel(panel, QString::fromLatin1(name));
    command->setGeometry(at);
    DrawPictureOnFirstShow(command, [word](QSize size) { return CommandPicture(word, size); });
    return command;
}

QFrame *fullPanel(QWidget *window, const char *name)
{
    auto *panel = MakeNamed<QFrame>(window, QString::fromLatin1(name));
    panel->setGeometry(0, 0, DesignWidth, DesignHeight);
    return panel;
}

} // namespace

int ChartCopiesAnswer(const QString &answer)
{
    if (TrimText(answer).isEmpty())
        return 1;
    for (QChar c : answer)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 1;
    bool ok = false;
    const int copies = answer.toInt(&ok);
    if (!ok)
        throw ConversionError("too many copies: " + answer.toStdString());
    return copies;
}

TfrmStatistiche::TfrmStatistiche(QWidget *parent) : QWidget(parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmStatistiche"));
        // FormCreate.
        ApplyFormatSettings();
        setWindowTitle(QStringLiteral(" Tavoren - Statistiche fatture emesse"));
        resize(DesignWidth, DesignHeight);
        SetGradientBackground(this, Look::WindowTop, Qt::white);

        panAvvio = fullPanel(this, "panAvvio");
        lblApri = MakePanelLabel(panAvvio, QStringLiteral("lblApri"),
                                 QStringLiteral("Indicare l'anno solare e premere Apri."), QRect(308, 240, 400, 26),
                                 Look::Verdana(12, true), Qt::white);
        lblApri->setAlignment(Qt::AlignCenter);
        txtAnno = MakeNamed<QLineEdit>(panAvvio, QStringLiteral("txtAnno"));
        txtAnno->setGeometry(408, 280, 200, 60);
        txtAnno->setFont(Look::Verdana(28, true));
        txtAnno->setAlignment(Qt::AlignCenter);
        txtAnno->setMaxLength(4);
        DigitOnlyKeyFilter(txtAnno);
        btnApri = MakeNamed<QPushButton>(panAvvio, QStringLiteral("btnApri"), QStringLiteral("Apri"));
        btnApri->setGeometry(408, 356, 200, 40);
        imgGuida = picture(panAvvio, "imgGuida", QStringLiteral("Guida"), QRect(408, 420, 90, 40));
        imgEsci = picture(panAvvio, "imgEsci", QStringLiteral("Esci"), QRect(518, 420, 90, 40));
        lblFile = MakeNamed<QLabel>(panAvvio, QStringLiteral("lblFile"));
        lblFile->hide();
        for (size_t i = 0; i < memMesi.size(); ++i) {
            memMesi[i] = MakeNamed<QLabel>(panAvvio, QString::fromLatin1(MonthLabelNames[i]), QStringLiteral("0"));
            memMesi[i]->hide();
        }

        panContainer = fullPanel(this, "panContainer");
        lblTitolo = MakePanelLabel(panContainer, QStringLiteral("lblTitolo"), QString(), QRect(16, 8, 984, 28),
                                   Look::Verdana(14, true), Qt::white);
        lblRigo04 = MakePanelLabel(panContainer, QStringLiteral("lblRigo04"),
                                   QStringLiteral("Il presente grafico statistico mostra gli incassi al lordo dell'IVA "
                                                  "relativi a ciascun mese dell'anno in base alle fatture emesse."),
                                   QRect(16, 40, 984, 20), Look::Verdana(10));
        lblRigo05 = MakePanelLabel(panContainer, QStringLiteral("lblRigo05"),
                                   QStringLiteral("Servirsi dei pulsanti in calce per visualizzare il tipo di grafico "
                                                  "desiderato e per mandarlo in stampa."),
                                   QRect(16, 60, 984, 20), Look::Verdana(10));
        ChartStats = MakeNamed<TakingsChart>(panContainer, QStringLiteral("ChartStats"));
        ChartStats->setGeometry(16, 86, 984, 540);
        btnBarre = MakeNamed<QPushButton>(panContainer, QStringLiteral("btnBarre"),
                                          QStringLiteral("Visualizza grafico a barre"));
        btnBarre->setGeometry(16, 640, 220, 36);
        btnTorta = MakeNamed<QPushButton>(panContainer, QStringLiteral("btnTorta"),
                                          QStringLiteral("Visualizza grafico a torta"));
        btnTorta->setGeometry(246, 640, 220, 36);
        btnStampa = MakeNamed<QPushButton>(panContainer, QStringLiteral("btnStampa"), QStringLiteral("Stampa grafico"));
        btnStampa->setGeometry(476, 640, 160, 36);
        btnEsci = MakeNamed<QPushButton>(panContainer, QStringLiteral("btnEsci"), QStringLiteral("Esci"));
        btnEsci->setGeometry(646, 640, 110, 36);
        cmdGuida = picture(panContainer, "cmdGuida", QStringLiteral("Guida"), QRect(766, 640, 80, 36));
        // The status text, white on its strip.
        auto *shpInfo = MakeNamed<QFrame>(panContainer, QStringLiteral("shpInfo"));
        shpInfo->setGeometry(16, 682, 984, 28);
        PaintStyledBackground(shpInfo, QStringLiteral("background: %1;").arg(Look::Css(Look::Blue)));
        panInfo = MakeNamed<QLabel>(shpInfo, QStringLiteral("panInfo"),
                                    QStringLiteral("Grafico statistico degli incassi mensili."));
        panInfo->setGeometry(10, 0, 964, 28);
        panInfo->setFont(Look::Tahoma(12));
        panInfo->setStyleSheet(QStringLiteral("color: white;"));
        HoverHint(
            btnBarre, panInfo,
            QStringLiteral("Visualizza le statistiche degli incassi sotto forma di grafico a barre tridimensionali."));
        HoverHint(
            btnTorta, panInfo,
            QStringLiteral("Visualizza le statistiche degli incassi sotto forma di grafico a torta tridimensionale."));
        HoverHint(btnStampa, panInfo, QStringLiteral("Stampa il grafico corrente."));
        HoverHint(btnEsci, panInfo, QStringLiteral("Esci da questo ambiente di lavoro."));
        HoverHint(cmdGuida, panInfo, QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
        for (QWidget *background : std::initializer_list<QWidget *>{this, panContainer, ChartStats, shpInfo, panInfo})
            ClearHintOver(background, panInfo);
        panContainer->hide();

        EnterMovesTo(txtAnno, btnApri);
        MakeEnterButtons({btnApri, btnBarre, btnTorta, btnStampa, btnEsci});
        connect(btnApri, &QPushButton::clicked, this, &TfrmStatistiche::btnApriClick);
        connect(btnBarre, &QPushButton::clicked, this, &TfrmStatistiche::btnBarreClick);
        connect(btnTorta, &QPushButton::clicked, this, &TfrmStatistiche::btnTortaClick);
        connect(btnStampa, &QPushButton::clicked, this, &TfrmStatistiche::btnStampaClick);
        connect(btnEsci, &QPushButton::clicked, this, &TfrmStatistiche::btnEsciClick);
        connect(imgEsci, &ClickLabel::clicked, this, &TfrmStatistiche::imgEsciClick);
        connect(imgGuida, &ClickLabel::clicked, this, &TfrmStatistiche::imgGuidaClick);
        connect(cmdGuida, &ClickLabel::clicked, this, &TfrmStatistiche::imgGuidaClick);
        setWindowState(Qt::WindowMaximized);
    });
}

void TfrmStatistiche::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    txtAnno->setText(Today().toString(QStringLiteral("yyyy")));
    ChartStats->clearPoints();
    panContainer->hide();
    panAvvio->show();
    txtAnno->setFocus(Qt::OtherFocusReason);
}

void TfrmStatistiche::closeEvent(QCloseEvent *e)
{
    e->accept();
    ReturnToLauncher(this);
}

void TfrmStatistiche::btnApriClick()
{
    if (txtAnno->text().size() != 4) {
        ShowNotice(NoticeKind::Warning, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        txtAnno->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString year = TrimText(txtAnno->text());
    lblFile->setText(ProgramFile(year + InvoiceArchiveExtension));
    lblTitolo->setText(QStringLiteral("Rappresentazione grafica delle fatture emesse nell'anno ") + year + '.');
    // The chart is drawn only from the whole archive: a total that is not an amount is named, an
    // archive that cannot be read gets the archive message, and either leaves the year panel and
    // the previous points as they were.
    const BusyWork busy;
    RunGuarded(
        [&] {
            MonthValues values{};
            try {
                values = MonthlyTakings(TrimText(lblFile->text()), year);
            } catch (const InvoiceAmountError &e) {
                ShowPlainBox(InvoiceAmountMessage(e));
                return;
            }
            for (size_t i = 0; i < values.size(); ++i)
                memMesi[i]->setText(QString::number(values[i]));
            ChartStats->setPoints(values);
            panAvvio->hide();
            panContainer->show();
        },
        [] { ShowPlainBox(ArchiveAccessMessage()); });
}

void TfrmStatistiche::btnBarreClick() { ChartStats->setKind(ChartKind::Bars); }

void TfrmStatistiche::btnTortaClick() { ChartStats->setKind(ChartKind::Pie); }

int TfrmStatistiche::printChart(QPrinter &printer, int copies) const
{
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter(&printer);
    if (!painter.isActive())
        throw IoError("the printer cannot be opened");
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution()).translated(
        -printer.pageLayout().paintRectPixels(printer.resolution()).topLeft());
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0)
            printer.newPage();
        PaintTakingsChart(painter, page, ChartStats->values(), ChartStats->hasPoints(), ChartStats->kind());
    }
    return copies;
}

void TfrmStatistiche::btnStampaClick()
{
    if (!AskYesNo(QStringLiteral("Si vuole stampare il presente grafico statistico?")))
        return;
    QString answer = QStringLiteral("1");
    if (!platform().inputBox(QStringLiteral("Numero copie da stampare"), QStringLiteral("Copie:"), answer))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    RunReportingErrors([&] {
        printer.setCopyCount(ChartCopiesAnswer(answer));
        if (!platform().printDialog(printer, this))
            return;
        // The copies are drawn here, one page each: the printer itself prints each page once.
        const int copies = printer.copyCount();
        printer.setCopyCount(1);
        printChart(printer, copies);
    }, PrintFailureMessage());
}

void TfrmStatistiche::imgGuidaClick()
{
    ShowHelp(this, QStringLiteral("Grafici statistici incassi mensili."), chartHelp().join(QStringLiteral("\r\n\r\n")));
}
