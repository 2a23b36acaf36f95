#include "invoice_reports/InvoiceLists.h"
#include "invoice_reports/Riepiloghi.h"
#include "common/Messages.h"
#include "common/ui/LineList.h"
#include "common/ui/report/ListReport.h"
#include "common/ui/report/ReportRenderer.h"
#include "tests/invoices/InvoiceArchives.h"
#include "tests/invoices/InvoiceFixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPainter>
#include <QPointer>

namespace {

const QString Euro = QString::fromUtf8("€ ");

class InvoiceSummaries : public InvoiceWindows {
protected:
    void SetUp() override
    {
        InvoiceWindows::SetUp();
        showCard(QStringLiteral("2026"));
    }
    void writeArchive(const std::vector<Record> &records) { writeBytes(archive(), ArchiveBytes(records)); }
    static QStringList sums(const SummaryWindow &w)
    {
        return {w.lblTotImponibile->text(), w.lblTotImposta->text(), w.lblTotEsente->text(), w.lblTotale->text()};
    }
    // A summary filled: the annual one (period -1), a month (0 to 11) or a quarter (100 + 0 to 3).
    std::unique_ptr<SummaryWindow> summary(int period)
    {
        if (period < 0) {
            auto w = std::make_unique<TfrmRiepAnnuale>();
            w->show();
            return w;
        }
        if (period < 100) {
            auto w = std::make_unique<TfrmRiepMensile>();
            view(*w, period);
            return w;
        }
        auto w = std::make_unique<TfrmRiepTrimestrale>();
        view(*w, period - 100);
        return w;
    }
    // The monthly or quarterly summary with the card's year, on item `item`, after "Visualizza".
    template <typename Window>
    void view(Window &w, int item)
    {
        w.lblAnno->setText(QStringLiteral("2026"));
        w.show();
        w.cboSelezione->setCurrentIndex(item);
        QTest::mouseClick(w.btnVisualizza, Qt::LeftButton);
    }
};

// Invoice 2 carries the totals of the card's worked example (46,87 once mended); 1 and 2 are of
// March 2026, 3 of April, 4 of March of another year, 5 has no date.
std::vector<Record> marchArchive()
{
    return {DatedInvoice("1", "02/03/2026", "Rossi Mario", "1000,00", "220,00", "0,00", "1220,00"),
            DatedInvoice("2", "15/03/2026", "Verdi Luca", "25,63", "5,64", "15,60", "46,87"),
            DatedInvoice("3", "01/04/2026", "Bianchi Anna", "10,00", "2,20", "0,00", "12,20"),
            DatedInvoice("4", "20/03/2025", "Neri Ugo", "7,00", "1,54", "0,00", "8,54"),
            DatedInvoice("5", "", "Senza data", "x", "x", "x", "x")};
}

TEST_F(InvoiceSummaries, MonthlyMarchListsItsInvoicesWithExactSums)
{
    const std::vector<Record> records = marchArchive();
    writeArchive(records);
    TfrmRiepMensile w;
    EXPECT_TRUE(w.isHidden() || w.panSelezione->isVisibleTo(&w));
    view(w, 2);
    EXPECT_FALSE(w.panSelezione->isVisible());
    EXPECT_TRUE(w.panContainer->isVisible());
    EXPECT_EQ(w.lstRecords->lines(), (QStringList{InvoiceListLine(records[0]), InvoiceListLine(records[1])}));
    EXPECT_EQ(sums(w), (QStringList{Euro + "1025,63", Euro + "225,64", Euro + "15,60", Euro + "1266,87"}));
    EXPECT_EQ(w.panInfo->text(), "Il presente riepilogo contiene 2 fatture.");
    EXPECT_EQ(w.titTipologia->text(), "Fatture emesse nel mese di marzo 2026");
    EXPECT_EQ(w.focusWidget(), w.txtTrova);

    // The printout: the list, the rule and the four sums in one column.
    EXPECT_EQ(w.printedLines().mid(2),
              (QStringList{"--------------------------", "Imponibile:   " + Euro + "1025,63",
                           "Imposta:      " + Euro + "225,64", "Esente:       " + Euro + "15,60",
                           "TOTALE:       " + Euro + "1266,87"}));
    const PreparedReport report =
        ListReportTemplate().fill("Tipologia riepilogo: " + w.titTipologia->text(), w.printedLines());
    EXPECT_EQ(report.texts("txtRiepilogo"), w.printedLines());
    EXPECT_EQ(report.texts("txtTitolo"), QStringList{"Tipologia riepilogo: Fatture emesse nel mese di marzo 2026"});
    QImage page(qRound(report.paperSize().width() / 25.4 * 100), qRound(report.paperSize().height() / 25.4 * 100),
                QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(100 / 0.0254));
    page.setDotsPerMeterY(qRound(100 / 0.0254));
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        RenderReportPage(painter, report.pages.at(0));
    }
    SaveForViewing(page, "summary_march.png");
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(InvoiceSummaries, PeriodsOfTheThreeSummaries)
{
    writeArchive(marchArchive());
    TfrmRiepAnnuale year;
    year.show();
    EXPECT_EQ(year.lstRecords->count(), 3) << "every dated invoice of 2026";
    EXPECT_EQ(year.lblTotale->text(), Euro + "1279,07");
    EXPECT_EQ(year.titTipologia->text(), "Fatture emesse nell'anno 2026");

    struct Case {
        bool quarterly;
        int item;
        int listed;
        QString title;
    };
    const Case cases[] = {
        {true, 0, 2, "Fatture emesse nel trimestre di gennaio, febbraio, marzo 2026"},
        {true, 1, 1, "Fatture emesse nel trimestre di aprile, maggio, giugno 2026"},
        {true, 3, 0, "Fatture emesse nel trimestre di ottobre, novembre, dicembre 2026"},
        {false, 3, 1, "Fatture emesse nel mese di aprile 2026"},
        {false, 0, 0, "Fatture emesse nel mese di gennaio 2026"},  // the title names the month all the same
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        std::unique_ptr<SummaryWindow> w;
        if (c.quarterly) {
            auto *q = new TfrmRiepTrimestrale();
            w.reset(q);
            view(*q, c.item);
        } else {
            auto *m = new TfrmRiepMensile();
            w.reset(m);
            view(*m, c.item);
        }
        EXPECT_EQ(w->lstRecords->count(), c.listed);
        EXPECT_EQ(w->titTipologia->text(), c.title);
        if (c.listed == 0) {
            EXPECT_EQ(sums(*w), QStringList(4, Euro + "0,00"));
        }
    }
}

TEST_F(InvoiceSummaries, SumsAreExactAndShownWithTwoToFourDecimals)
{
    // Binary floating point would give 0,30000000000000004 for three times 0,10.
    writeArchive({DatedInvoice("1", "01/01/2026", "A", "0,10", "1234,5", "150", "12,34567"),
                  DatedInvoice("2", "02/01/2026", "B", "0,10", "0", "0", "0"),
                  DatedInvoice("3", "03/01/2026", "C", "0,10", "0,00", "0,00", "0,00"),
                  DatedInvoice("4", "3/1/2026", "D", "1", "1", "1", "1"),     // not dd/mm/yyyy
                  DatedInvoice("5", "03/01/26", "E", "1", "1", "1", "1")});
    TfrmRiepAnnuale w;
    w.show();
    EXPECT_EQ(w.lstRecords->count(), 3);
    EXPECT_EQ(sums(w), (QStringList{Euro + "0,30", Euro + "1234,50", Euro + "150,00", Euro + "12,3457"}));
}

TEST_F(InvoiceSummaries, EmptyMissingTornAndUnconvertibleArchives)
{
    // A missing archive is created; an empty one gives empty figures and the design title.
    QFile::remove(archive());
    {
        TfrmRiepAnnuale w;
        w.show();
        EXPECT_TRUE(QFile::exists(archive()));
        EXPECT_EQ(w.lstRecords->count(), 0);
        EXPECT_EQ(sums(w), QStringList(4, Euro + "0,00"));
        EXPECT_EQ(w.titTipologia->text(), "Fatture emesse nell'anno solare.");
        EXPECT_EQ(w.panInfo->text(), "Il presente riepilogo contiene 0 fatture.");
        QTest::mouseClick(w.btnTrova, Qt::LeftButton);
        ASSERT_EQ(sp.callsOf("information").size(), 1u);
        EXPECT_EQ(sp.callsOf("information")[0].text, "Ricerca non applicabile: la lista non contiene nessuna voce.");
        sp.clear();
    }

    // A torn last record is ignored: the summary of the whole ones.
    writeBytes(archive(), ArchiveBytes(marchArchive()) + QByteArray(1000, '7'));
    {
        TfrmRiepMensile w;
        view(w, 2);
        EXPECT_EQ(w.lblTotale->text(), Euro + "1266,87");
        EXPECT_TRUE(sp.messages().isEmpty());
    }

    // An archive that cannot be read at all: the archive message, and no figures.
    QFile::remove(archive());
    ASSERT_TRUE(QDir().mkdir(archive()));
    {
        TfrmRiepAnnuale w;
        w.show();
        EXPECT_EQ(sp.messages(), QStringList{ArchiveAccessMessage()});
        EXPECT_EQ(w.lstRecords->count(), 0);
        EXPECT_EQ(sums(w), QStringList(4, "0,00"));
        EXPECT_EQ(w.panInfo->text(), "Il presente riepilogo contiene 0 fatture.");
    }
}

TEST_F(InvoiceSummaries, ADamagedAmountIsNamedByItsInvoiceAndFieldAndNoFigureIsShown)
{
    const struct {
        int invoice;  // 0-based in marchArchive()
        const char *field;
        const char *stored;
        int period;   // -1: annual; 0..11 monthly; 100 + q: quarterly
        const char *number;
        const char *date;
        const char *caption;  // empty: the invoice is not counted, the figures are shown
    } cases[] = {
        {1, "TotEsente", "15,6,0", 2, "2", "15/03/2026", "Tot. esente"},
        {0, "TotImponibile", "", -1, "1", "02/03/2026", "Tot. imponibile"},
        {2, "TotFattura", "abc", 101, "3", "01/04/2026", "TOTALE"},
        {2, "TotImposta", "1E30", -1, "3", "01/04/2026", "Tot. imposta"},  // 31 integer digits
        {0, "TotImposta", "\u00a0", 100, "1", "02/03/2026", "Tot. imposta"},  // a non-breaking space
        {2, "TotFattura", "abc", 2, "", "", ""},  // April's invoice, not counted in March
        {3, "TotFattura", "abc", -1, "", "", ""},  // of another year
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + std::to_string(c.period));
        std::vector<Record> records = marchArchive();
        records[size_t(c.invoice)].setText(c.field, QString::fromUtf8(c.stored));
        writeArchive(records);
        sp.clear();
        std::unique_ptr<SummaryWindow> w = summary(c.period);
        if (QString(c.caption).isEmpty()) {
            EXPECT_TRUE(sp.messages().isEmpty());
            EXPECT_GT(w->lstRecords->count(), 0);
            continue;
        }
        EXPECT_EQ(sp.messages(), QStringList{InvoiceAmountMessage(InvoiceAmountError(c.number, c.date, c.caption))});
        EXPECT_EQ(w->lstRecords->count(), 0);
        EXPECT_EQ(sums(*w), QStringList(4, "0,00"));
        EXPECT_EQ(w->panInfo->text(), "Il presente riepilogo contiene 0 fatture.");
        if (w->panSelezione) {
            EXPECT_TRUE(w->panSelezione->isVisible());
        }
    }
    // The warning in full, and for an invoice without a number.
    EXPECT_EQ(InvoiceAmountMessage(InvoiceAmountError("2", "15/03/2026", "Tot. esente")),
              QString::fromUtf8("Attenzione: la fattura proforma n. 2 del 15/03/2026 non contiene un importo valido "
                                "nel campo \"Tot. esente\".\n\r\n\rPer correggere l'importo è sufficiente richiamare "
                                "la fattura nella scheda delle fatture proforma e salvarla di nuovo: i totali vengono "
                                "ricalcolati."));
    EXPECT_TRUE(InvoiceAmountMessage(InvoiceAmountError("", "15/03/2026", "TOTALE"))
                    .startsWith("Attenzione: la fattura proforma senza numero del 15/03/2026 non contiene"));
}

TEST_F(InvoiceSummaries, ExactSumsExponentsAndTheMonthAsTwoDigits)
{
    writeArchive({DatedInvoice("1", "01/03/2026", "A", "0,00005", "1E3", "0", "0,00005"),
                  DatedInvoice("2", "02/03/2026", "B", "0,00005", "2,5e-1", "0", "0,00005"),
                  DatedInvoice("3", "03/03/2026", "C", "0,00005", "0", "-1E-12", "0,00005"),
                  DatedInvoice("4", "05/13/2026", "D", "1", "0", "0", "1"),  // month 13
                  DatedInvoice("5", "05/+3/2026", "E", "2", "0", "0", "2"),  // "+3" is no month
                  DatedInvoice("6", "05/03/2025", "F", "x", "x", "x", "x")});
    const struct {
        int period;  // -1: annual; 0..11 monthly; 100 + q: quarterly
        int listed;
        QStringList sums;
    } cases[] = {
        // Summed exactly, rounded once: three times 0,00005 is 0,00015, shown 0,0002.
        {2, 3, {Euro + "0,0002", Euro + "1000,25", Euro + "0,00", Euro + "0,0002"}},
        {100, 3, {Euro + "0,0002", Euro + "1000,25", Euro + "0,00", Euro + "0,0002"}},
        // The annual summary takes every invoice of its year, whatever its month part says.
        {-1, 5, {Euro + "3,0002", Euro + "1000,25", Euro + "0,00", Euro + "3,0002"}},
        {11, 0, QStringList(4, Euro + "0,00")},
        {103, 0, QStringList(4, Euro + "0,00")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.period);
        std::unique_ptr<SummaryWindow> w = summary(c.period);
        EXPECT_TRUE(sp.messages().isEmpty());
        EXPECT_EQ(w->lstRecords->count(), c.listed);
        EXPECT_EQ(sums(*w), c.sums);
    }
}

TEST_F(InvoiceSummaries, FindNextHelpAndClose)
{
    writeArchive(marchArchive());
    TfrmRiepAnnuale w;
    w.show();
    w.txtTrova->setText("BIANCHI");
    QTest::mouseClick(w.btnTrova, Qt::LeftButton);
    EXPECT_EQ(w.lstRecords->selectedRow(), 2);
    // The magnifier stands at the left of the find text, clear of it.
    auto *magnifier = w.findChild<QLabel *>("imgLente");
    ASSERT_NE(magnifier, nullptr);
    EXPECT_LT(magnifier->geometry().right(), w.txtTrova->geometry().left());
    EXPECT_FALSE(magnifier->pixmap().isNull());
    w.imgGuidaClick();
    ASSERT_EQ(sp.callsOf("modal").size(), 1u);
    QTest::mouseClick(w.btnEsci, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.lstRecords->count(), 0) << "closing empties the list";
}

} // namespace

namespace {

TEST_F(InvoiceSummaries, TheCardsCommandsOpenTheSummariesOnItsYear)
{
    writeArchive(marchArchive());
    QStringList seen;
    sp.onModal = [&](QWidget *w) {
        auto *summary = qobject_cast<SummaryWindow *>(w);
        ASSERT_NE(summary, nullptr);
        EXPECT_EQ(summary->parentWidget(), card);
        seen << summary->windowTitle();
        if (summary->lblAnno) {
            EXPECT_EQ(summary->lblAnno->text(), "2026");
            EXPECT_TRUE(summary->panSelezione->isVisible());
            EXPECT_EQ(summary->cboSelezione->currentIndex(), 0);
        } else {
            EXPECT_EQ(summary->lstRecords->count(), 3);
        }
    };
    QTest::mouseClick(card->cmdRiepAnnuale, Qt::LeftButton);
    QTest::mouseClick(card->cmdRiepMensile, Qt::LeftButton);
    QTest::mouseClick(card->cmdRiepTrimestrale, Qt::LeftButton);
    EXPECT_EQ(seen, (QStringList{" Tavoren - Riepilogo annuale fatture emesse", " Tavoren - Riepilogo mensile fatture emesse",
                                 " Tavoren - Riepilogo trimestrale fatture emesse"}));
}

} // namespace

TEST_F(InvoiceSummaries, OpeningShowsTheBusyCursorWhileItReads)
{
    writeArchive({DatedInvoice("1", "02/03/2026", "Rossi Mario", "1000,00", "220,00", "0,00", "1220,00")});
    sp.clear();
    TfrmRiepAnnuale w;
    w.show();
    EXPECT_EQ(w.lstRecords->count(), 1);
    EXPECT_EQ(sp.busyLog, (QStringList{"busy", "idle"}));
}
