#include "pricelist/StampaServizi.h"
#include "common/ui/WindowBuild.h"

#include "common/Dates.h"
#include "common/Guard.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/Text.h"
#include "common/report/ReportTemplate.h"
#include "common/ui/Look.h"
#include "common/ui/Widgets.h"
#include "common/ui/report/ReportOutput.h"
#include "pricelist/Servizi.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

WindowHandle<TfrmStampaServizi> frmStampaServizi;

namespace {

const QColor LightSteelBlue(176, 196, 222);
const QColor Gold(255, 215, 0);

ReportTextStyle arial(double pointSize, ReportHAlign hAlign = ReportHAlign::Left)
{
    ReportTextStyle style;
    style.font.family = QStringLiteral("Arial");
    style.font.pointSize = pointSize;
    style.hAlign = hAlign;
    style.vAlign = ReportVAlign::Center;
    style.wordWrap = false;
    return style;
}

QString t(const QLineEdit *edit) { return TrimText(edit->text()); }

// The one-page template: a title strip, fifteen framed rows of caption and value, a footer strip.
class PriceCardTemplate : public ReportTemplate {
public:
    explicit PriceCardTemplate(const QList<PriceCardRow> &rows) : ReportTemplate(QStringLiteral("Scheda Prodotto o Servizio"))
    {
        margins = QMarginsF(10, 10, 10, 10);
        add<ReportRectangle>(QStringLiteral("shpTitolo"), QRectF(1, 1, 188, 5.8)).fill = LightSteelBlue;
        auto &title = add<ReportText>(QStringLiteral("titArcataSup"), QRectF(2, 2, 185.8, 4.2));
        title.style = arial(9, ReportHAlign::Center);
        title.setText(QStringLiteral("TARIFFA PRODOTTO O SERVIZIO"));
        for (int k = 0; k < rows.size(); ++k) {
            add<ReportRectangle>(QStringLiteral("shpRiga%1").arg(k + 1), QRectF(1, 7 + 5 * k, 188, 4.6));
            auto &caption = add<ReportText>(rows[k].captionObject, QRectF(2, 7.5 + 5 * k, 44.8, 3.5));
            caption.style = arial(7);
            caption.setText(rows[k].caption);
            auto &value = add<ReportText>(rows[k].valueObject, QRectF(50, 7.5 + 5 * k, 138, 3.5));
            value.style = arial(7);
        }
        add<ReportLine>(QStringLiteral("linColonne"), QRectF(48, 7, 0, 74.6));
        add<ReportRectangle>(QStringLiteral("shpCalce"), QRectF(1, 84, 188, 5.8)).fill = Gold;
        auto &footer = add<ReportText>(QStringLiteral("txtCalce"), QRectF(2, 85, 185.8, 4.2));
        footer.style = arial(8, ReportHAlign::Center);
        footer.setText(QStringLiteral("Data e ora stampa"));
    }
};

} // namespace

QList<PriceCardRow> PriceCardRows(const TfrmServizi &c)
{
    const struct {
        const char *caption;
        const QLineEdit *edit;
    } rows[] = {
        {"Descrizione prodotto o servizio:", c.txtDescrizione},
        {"Importo in euro:", c.txtPrezzo},
        {"Tipologia:", c.txtTipologia},
        {"Tempi e orari di erogazione:", c.txtTempi},
        {"Codice articolo:", c.txtSupplementi},
        {"Personale addetto:", c.txtPersonale},
        {"Note:", c.txtNote},
        {"Marca e modello:", c.txtMarca},
        {"Collocazione in magazzino:", c.txtCollocazione},
        {"Giacenza:", c.txtGiacenza},
        {"Sottoscorta:", c.txtSottoscorta},
        {"Costo in euro:", c.txtCosto},
        {"Valore (costo x giacenza):", c.txtValore},
        {"Fornitore:", c.txtFornitore},
        {"Modalità di ordine merce:", c.txtOrdine},
    };
    QList<PriceCardRow> made;
    for (const auto &row : rows)
        made.append({QStringLiteral("Memo%1").arg(made.size() + 1), QString::fromUtf8(row.caption),
                     row.edit->objectName(), t(row.edit)});
    made[9].value = QStringLiteral("N. ") + made[9].value + QStringLiteral(" pezzi disponibili");
    made[10].value = QStringLiteral("Avviso a n. ") + made[10].value + QStringLiteral(" pezzi rimasti");
    return made;
}

PreparedReport PreparePriceCard(const TfrmServizi &card)
{
    const QList<PriceCardRow> rows = PriceCardRows(card);
    PriceCardTemplate report(rows);
    report.orientation = QPageLayout::Portrait;
    for (const PriceCardRow &row : rows)
        report.find<ReportText>(row.valueObject).setText(row.value);
    report.find<ReportText>(QStringLiteral("txtCalce"))
        .setText(QStringLiteral("Stampa eseguita in data ") + FormatDate(Today()) + QStringLiteral(" alle ore ") +
                 FormatTime(TimeOfDay()));
    return report.prepare();
}

TfrmStampaServizi::TfrmStampaServizi(QWidget *parent) : QDialog(parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmStampaServizi"));
        ApplyFormatSettings();
        setWindowTitle(QStringLiteral(" Stampa scheda corrente"));
        MakeFixedWindow(this, 364, 287);
        SetGradientBackground(this, Look::Pale, Qt::white);

        imgIstruzioni = MakeNamed<QLabel>(this, QStringLiteral("imgIstruzioni"));
        imgIstruzioni->setGeometry(16, 16, 332, 200);
        const QString heading = QStringLiteral("Stampa scheda");
        const QString lines[] = {
            QString::fromUtf8("Questa operazione provvederà a stampare la scheda corrente su carta con i dati immessi "
                              "dall'utente."),
            QString::fromUtf8("Premere il pulsante Stampa per dare avvio alla stampa oppure premere Annulla per "
                              "annullare l'operazione."),
        };
        imgIstruzioni->setAccessibleDescription(heading + u'\n' + lines[0] + u'\n' + lines[1]);
        DrawOnFirstShow(this, [this, heading, lines] {
            QPixmap picture(imgIstruzioni->size());
            picture.fill(Qt::transparent);
            QPainter p(&picture);
            p.setPen(Look::Navy);
            p.setFont(Look::Verdana(14, true));
            QRect area(0, 0, picture.width(), 30);
            p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, heading);
            p.setFont(Look::Verdana(10, false));
            int top = 40;
            for (const QString &line : lines) {
                const QRect box = p.boundingRect(QRect(0, top, picture.width(), 200), Qt::TextWordWrap, line);
                p.drawText(box, Qt::TextWordWrap, line);
                top = box.bottom() + 14;
            }
            imgIstruzioni->setPixmap(picture);
        });

        btnAnnulla = MakeNamed<QPushButton>(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"));
        btnAnnulla->setGeometry(64, 236, 130, 34);
        btnStampa = MakeNamed<QPushButton>(this, QStringLiteral("btnStampa"), QStringLiteral("Stampa"));
        btnStampa->setGeometry(210, 236, 130, 34);
        MakeEnterButtons({btnAnnulla, btnStampa});
        connect(btnStampa, &QPushButton::clicked, this, &TfrmStampaServizi::btnStampaClick);
        connect(btnAnnulla, &QPushButton::clicked, this, &TfrmStampaServizi::btnAnnullaClick);
    });
}

void TfrmStampaServizi::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        CenterWindow(this, parentWidget());
}

void TfrmStampaServizi::btnStampaClick()
{
    // No guard of its own: a failure reaches the error box and the dialog stays open.
    if (!card)
        return;
    if (RunReportingErrors([this] { PrintReport(PreparePriceCard(*card), this); }, PrintFailureMessage()))
        accept();
}

void TfrmStampaServizi::btnAnnullaClick() { reject(); }
