#include "invoice_reports/Riepiloghi.h"
#include "common/ui/WindowBuild.h"
#include "common/ui/CardPanel.h"

#include "common/ArchiveSearch.h"
#include "common/BusyWork.h"
#include "common/Dates.h"
#include "common/Guard.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/Text.h"
#include "common/ui/CommandPictures.h"
#include "common/ui/LineList.h"
#include "common/ui/ListWindow.h"
#include "common/ui/Look.h"
#include "common/ui/Widgets.h"
#include "common/ui/report/ListReport.h"
#include "dialogs/Guida.h"
#include "invoice_reports/InvoiceLists.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

WindowHandle<TfrmRiepAnnuale> frmRiepAnnuale;
WindowHandle<TfrmRiepMensile> frmRiepMensile;
WindowHandle<TfrmRiepTrimestrale> frmRiepTrimestrale;

namespace {

const QColor Maroon(0x80, 0x00, 0x00);
const QColor SlateBlue(0x6a, 0x5a, 0xcd);

const QStringList Months{"GENNAIO", "FEBBRAIO", "MARZO",     "APRILE",  "MAGGIO",   "GIUGNO",
                         "LUGLIO",  "AGOSTO",   "SETTEMBRE", "OTTOBRE", "NOVEMBRE", "DICEMBRE"};
const QStringList Quarters{"GENNAIO, FEBBRAIO, MARZO", "APRILE, MAGGIO, GIUGNO", "LUGLIO, AGOSTO, SETTEMBRE",
                           "OTTOBRE, NOVEMBRE, DICEMBRE"};

const QString ZeroSum = QStringLiteral("0,00");

QStringList summaryHelp()
{
    return {
        QStringLiteral("Tavoren consente di ottenere i riepiloghi mensili, trimestrali e annuali delle fatture "
                       "emesse utilizzando i pulsanti contraddistinti, rispettivamente, dalle lettere M, T e A."),
        QStringLiteral("Dopo aver premuto il pulsante relativo alla tipologia di riepilogo prescelta, bisogna "
                       "selezionare un mese o un trimestre all'interno dell'archivio annuale aperto dall'utente. "
                       "Ovviamente, se si vuole ottenere il riepilogo di tutte le fatture emesse nell'anno solare "
                       "non bisognerà effettuare nessuna selezione. A questo punto, facendo clic sul pulsante "
                       "Visualizza, si ottiene l'elenco completo di tutti i documenti fiscali emessi "
                       "nell'intervallo di tempo selezionato con in calce il totale dell'imponibile, dell'imposta, "
                       "delle operazioni esenti da IVA e della somma incassata al lordo dell'IVA."),
        QStringLiteral("Per rintracciare una certa fattura nell'elenco del riepilogo si può utilizzare la funzione "
                       "di ricerca presente in cima alla schermata di lavoro. A tal fine, si può, ad esempio, "
                       "indicare il nome del cliente di interesse e premere il pulsante Trova. Così facendo, la "
                       "prima fattura in elenco riferita al cliente indicato apparirà selezionata nella parte "
                       "visibile dell'elenco. Per spostarsi sulla fattura successiva intestata allo stesso "
                       "cliente, basterà fare nuovamente clic sul pulsante Trova."),
        QStringLiteral("Il pulsante Stampa riepilogo permette di ottenere su carta il riepilogo visualizzato in "
                       "quel momento."),
    };
}

QLabel *boldLabel(QWidget *panel, const char *name, const QString &text, const QRect &at, const QColor &colour,
                  int size = 11)
{
    return MakePanelLabel(panel, QString::fromLatin1(name), text, at, Look::Verdana(size, true), colour);
}

ClickLabel *pictureCommand(QWidget *panel, const char *name, const QString &word, const QRect &at)
{
    auto *command = new ClickLabel(panel, QString::fromLatin1(name));
    command->setGeometry(at);
    DrawPictureOnFirstShow(command, [word](QSize size) { return CommandPicture(word, size); });
    return command;
}

} // namespace

SummaryWindow::SummaryWindow(Period period, QWidget *parent) : QDialog(parent), period_(period)
{
    BuildWhenNeeded(this, [this] {
        // FormCreate.
        ApplyFormatSettings();
        MakeFixedWindow(this, Width, Height);
        SetGradientBackground(this, Look::WindowTop, Qt::white);

        panContainer = MakeNamed<QFrame>(this, QStringLiteral("panContainer"));
        panContainer->setGeometry((Width - PanelWidth) / 2, (Height - PanelHeight) / 2, PanelWidth, PanelHeight);
        panContainer->setFrameShape(QFrame::StyledPanel);
        SetGradientBackground(panContainer, Look::WindowTop, Qt::white);

        lblTipologia = boldLabel(panContainer, "lblTipologia", QStringLiteral("Tipologia riepilogo:"),
                                 QRect(16, 12, 200, 24), Qt::white);
        const QString designTitle = period_ == Period::Year    ? QStringLiteral("Fatture emesse nell'anno solare.")
                                    : period_ == Period::Month ? QStringLiteral("Fatture emesse nel mese.")
                                                               : QStringLiteral("Fatture emesse nel trimestre.");
        titTipologia = boldLabel(panContainer, "titTipologia", designTitle, QRect(220, 12, 700, 24), Look::Navy);
        const QFont lineFont = Look::Verdana(10);
        lblRigo01 = MakePanelLabel(panContainer, QStringLiteral("lblRigo01"),
                                   QString::fromUtf8("Immettere una o più parole consecutive presenti nella scheda in "
                                                     "elenco da cercare e premere il pulsante Trova."),
                                   QRect(16, 44, 900, 20), lineFont);
        lblRigo02 =
            MakePanelLabel(panContainer, QStringLiteral("lblRigo02"),
                           QString::fromUtf8("Per spostarsi sulla voce successiva contenente la stessa chiave di "
                                             "ricerca, fare di nuovo clic su Trova."),
                           QRect(16, 64, 900, 20), lineFont);
        imgGuida = pictureCommand(panContainer, "imgGuida", QStringLiteral("Guida"), QRect(929, 44, 48, 48));

        // The magnifier beside the find text, as on the search windows' lists.
        MakeDrawnPicture(panContainer, QStringLiteral("imgLente"), QRect(16, 94, 36, 36), MagnifierPicture);
        txtTrova = MakeNamed<QLineEdit>(panContainer, QStringLiteral("txtTrova"));
        txtTrova->setGeometry(60, 96, 716, 32);
        txtTrova->setFont(Look::Verdana(12, true));
        btnTrova = MakeNamed<QPushButton>(panContainer, QStringLiteral("btnTrova"), QStringLiteral("Trova"));
        btnTrova->setGeometry(792, 96, 185, 32);

        lstRecords = MakeNamed<LineListView>(panContainer, QStringLiteral("lstRecords"));
        lstRecords->setGeometry(16, 140, PanelWidth - 32, 380);
        lstRecords->setItemWidth(1400);

        const char *captions[] = {"infTotImponibile", "infTotImposta", "infTotEsente", "infTotale"};
        const char *texts[] = {"Imponibile:", "Imposta:", "Esente:", "TOTALE:"};
        const char *sums[] = {"lblTotImponibile", "lblTotImposta", "lblTotEsente", "lblTotale"};
        QLabel **captionMembers[] = {&infTotImponibile, &infTotImposta, &infTotEsente, &infTotale};
        QLabel **sumMembers[] = {&lblTotImponibile, &lblTotImposta, &lblTotEsente, &lblTotale};
        for (int i = 0; i < 4; ++i) {
            const int top = 528 + i * 24;
            *captionMembers[i] = boldLabel(panContainer, captions[i], QString::fromLatin1(texts[i]),
                                           QRect(16, top, 200, 22), Look::Navy);
            QLabel *sum = boldLabel(panContainer, sums[i], ZeroSum, QRect(PanelWidth - 316, top, 300, 22), Maroon);
            sum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            *sumMembers[i] = sum;
        }

        panInfo = boldLabel(panContainer, "panInfo", QStringLiteral("Il presente riepilogo contiene 0 fatture."),
                            QRect(16, 632, 580, 40), Qt::white, 10);
        panInfo->setAutoFillBackground(true);
        QPalette info = panInfo->palette();
        info.setColor(QPalette::Window, SlateBlue);
        panInfo->setPalette(info);
        panInfo->setIndent(8);

        btnStampa =
            MakeNamed<QPushButton>(panContainer, QStringLiteral("btnStampa"), QStringLiteral("Stampa riepilogo"));
        btnStampa->setGeometry(612, 632, 185, 40);
        btnEsci = MakeNamed<QPushButton>(panContainer, QStringLiteral("btnEsci"), QStringLiteral("Esci"));
        btnEsci->setGeometry(812, 632, 165, 40);

        MakeEnterButtons({btnTrova, btnStampa, btnEsci});
        connect(btnTrova, &QPushButton::clicked, this, &SummaryWindow::btnTrovaClick);
        connect(btnStampa, &QPushButton::clicked, this, &SummaryWindow::btnStampaClick);
        connect(btnEsci, &QPushButton::clicked, this, &SummaryWindow::btnEsciClick);
        connect(imgGuida, &ClickLabel::clicked, this, &SummaryWindow::imgGuidaClick);

        if (period_ != Period::Year)
            buildSelection();
        CenterWindow(this);
    });
}

void SummaryWindow::buildSelection()
{
    panContainer->hide();
    panSelezione = MakeNamed<QFrame>(this, QStringLiteral("panSelezione"));
    panSelezione->setGeometry(panContainer->geometry());
    panSelezione->setFrameShape(QFrame::StyledPanel);
    SetGradientBackground(panSelezione, Look::WindowTop, Qt::white);
    const bool monthly = period_ == Period::Month;
    lblApri = boldLabel(panSelezione, "lblApri",
                        monthly ? QStringLiteral("Selezionare un mese dell'anno e premere Visualizza.")
                                : QStringLiteral("Selezionare un trimestre dell'anno e premere Visualizza."),
                        QRect(160, 230, 680, 26), Qt::white, 12);
    cboSelezione = MakeNamed<QComboBox>(panSelezione, QStringLiteral("cboSelezione"));
    cboSelezione->setGeometry(160, 270, 440, 36);
    cboSelezione->setFont(Look::Verdana(12, true));
    cboSelezione->addItems(monthly ? Months : Quarters);
    lblAnno = boldLabel(panSelezione, "lblAnno", QStringLiteral("ANNO"), QRect(620, 262, 200, 50), Qt::white, 26);
    btnVisualizza = MakeNamed<QPushButton>(panSelezione, QStringLiteral("btnVisualizza"), QStringLiteral("Visualizza"));
    btnVisualizza->setGeometry(160, 330, 440, 40);
    icoGuida = pictureCommand(panSelezione, "icoGuida", QStringLiteral("Guida"), QRect(PanelWidth - 140, 620, 56, 56));
    icoEsci = pictureCommand(panSelezione, "icoEsci", QStringLiteral("Esci"), QRect(PanelWidth - 72, 620, 56, 56));
    MakeEnterButtons({btnVisualizza});
    connect(btnVisualizza, &QPushButton::clicked, this, &SummaryWindow::btnVisualizzaClick);
    connect(icoGuida, &ClickLabel::clicked, this, &SummaryWindow::imgGuidaClick);
    connect(icoEsci, &ClickLabel::clicked, this, &SummaryWindow::btnEsciClick);
}

QString SummaryWindow::openYear() const
{
    return lblAnno ? TrimText(lblAnno->text()) : OpenInvoiceYear();
}

bool SummaryWindow::inPeriod(const QString &month) const
{
    // The annual summary takes every invoice of the year, whatever its month part says.
    if (period_ == Period::Year)
        return true;
    const int m = InvoiceMonth(month);
    if (m == 0)
        return false;
    switch (period_) {
    case Period::Year:
        return true;
    case Period::Month:
        return m - 1 == cboSelezione->currentIndex();
    case Period::Quarter:
        return (m - 1) / 3 == cboSelezione->currentIndex();
    }
    return false;
}

QString SummaryWindow::periodTitle() const
{
    const QString year = openYear();
    switch (period_) {
    case Period::Year:
        return QStringLiteral("Fatture emesse nell'anno ") + year;
    case Period::Month:
        return QStringLiteral("Fatture emesse nel mese di ") + LowerText(cboSelezione->currentText()) + ' ' + year;
    case Period::Quarter:
        return QStringLiteral("Fatture emesse nel trimestre di ") + LowerText(cboSelezione->currentText()) + ' '
            + year;
    }
    return {};
}

void SummaryWindow::Fill()
{
    const BusyWork busy;
    rememberedFind_.clear();
    txtTrova->clear();
    QLabel *labels[] = {lblTotImponibile, lblTotImposta, lblTotEsente, lblTotale};
    for (QLabel *label : labels)
        label->setText(ZeroSum);
    lstRecords->clear();
    // The figures are shown only once the whole archive has been read: a total that is not an
    // amount is named, an archive that cannot be read gets the archive message, and neither shows
    // any figure.
    RunGuarded(
        [&] {
            InvoiceSummary summary;
            try {
                summary = SummariseInvoices(OpenInvoiceArchive(), openYear(),
                                            [this](const QString &month) { return inPeriod(month); });
            } catch (const InvoiceAmountError &e) {
                ShowPlainBox(InvoiceAmountMessage(e));
                return;
            }
            const int count = summary.lines.size();
            lstRecords->setLines(std::move(summary.lines));
            for (int i = 0; i < 4; ++i)
                labels[i]->setText(SummaryAmountText(summary.sums[size_t(i)]));
            if (summary.anyDated)
                titTipologia->setText(periodTitle());
            panInfo->setText(QStringLiteral("Il presente riepilogo contiene %1 fatture.").arg(count));
            if (panSelezione) {
                panSelezione->hide();
                panContainer->show();
            }
            txtTrova->setFocus(Qt::OtherFocusReason);
        },
        [] { ShowPlainBox(ArchiveAccessMessage()); });
}

void SummaryWindow::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    if (period_ == Period::Year)
        Fill();
    else
        cboSelezione->setCurrentIndex(0);
}

void SummaryWindow::done(int result)
{
    lstRecords->clear();
    QDialog::done(result);
}

void SummaryWindow::btnTrovaClick()
{
    FindNextInList(lstRecords, txtTrova->text(), rememberedFind_,
                   [] { ShowNotice(NoticeKind::Information, EmptyListFindMessage); });
}

QStringList SummaryWindow::printedLines() const
{
    QStringList lines = lstRecords->lines();
    lines << QStringLiteral("--------------------------")
          << QStringLiteral("Imponibile:   ") + TrimText(lblTotImponibile->text())
          << QStringLiteral("Imposta:      ") + TrimText(lblTotImposta->text())
          << QStringLiteral("Esente:       ") + TrimText(lblTotEsente->text())
          << QStringLiteral("TOTALE:       ") + TrimText(lblTotale->text());
    return lines;
}

void SummaryWindow::btnStampaClick()
{
    PrintListReport(QStringLiteral("Tipologia riepilogo: ") + TrimText(titTipologia->text()), printedLines(), this);
}

void SummaryWindow::imgGuidaClick()
{
    ShowHelp(this, QStringLiteral("Riepilogo fatture emesse."), summaryHelp().join(QStringLiteral("\r\n\r\n")));
}

TfrmRiepAnnuale::TfrmRiepAnnuale(QWidget *parent) : SummaryWindow(Period::Year, parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmRiepAnnuale"));
        setWindowTitle(QStringLiteral(" Tavoren - Riepilogo annuale fatture emesse"));
    });
}

TfrmRiepMensile::TfrmRiepMensile(QWidget *parent) : SummaryWindow(Period::Month, parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmRiepMensile"));
        setWindowTitle(QStringLiteral(" Tavoren - Riepilogo mensile fatture emesse"));
    });
}

TfrmRiepTrimestrale::TfrmRiepTrimestrale(QWidget *parent) : SummaryWindow(Period::Quarter, parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmRiepTrimestrale"));
        setWindowTitle(QStringLiteral(" Tavoren - Riepilogo trimestrale fatture emesse"));
    });
}

void OpenAnnualSummary(QWidget *card) { OpenModal<TfrmRiepAnnuale>(card); }

void OpenMonthlySummary(QWidget *card)
{
    OpenModal<TfrmRiepMensile>(card, [](TfrmRiepMensile &w) { w.lblAnno->setText(OpenInvoiceYear()); });
}

void OpenQuarterlySummary(QWidget *card)
{
    OpenModal<TfrmRiepTrimestrale>(card, [](TfrmRiepTrimestrale &w) { w.lblAnno->setText(OpenInvoiceYear()); });
}
