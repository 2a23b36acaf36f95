#include "invoices/MenuFatture.h"
#include "common/ui/WindowBuild.h"

#include "common/Dates.h"
#include "common/Platform.h"
#include "common/Text.h"
#include "common/ui/CardPanel.h"
#include "common/ui/CommandPictures.h"
#include "common/ui/EditRules.h"
#include "common/ui/Look.h"
#include "common/ui/Widgets.h"
#include "dialogs/Guida.h"
#include "dialogs/ReturnToLauncher.h"
#include "invoice_reports/Statistiche.h"
#include "invoices/Fatture.h"
#include "invoices/InvoiceHelp.h"
#include "invoices/InvoiceRecord.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

WindowHandle<TfrmMenuFatture> frmMenuFatture;

namespace {

const QString StartTag = QStringLiteral("avvio");
const QString CardTag = QStringLiteral("fatture");
const QString ChartTag = QStringLiteral("statistiche_fat");

QLabel *heading(QWidget *parent, const char *name, const char *text, const QRect &place)
{
    auto *l = MakeNamed<QLabel>(parent, QString::fromLatin1(name));
    l->setText(QString::fromUtf8(text));
    l->setFont(Look::Verdana(12, true));
    l->setStyleSheet(QStringLiteral("color: %1;").arg(Look::Css(Look::Navy)));
    l->setGeometry(place);
    return l;
}

QPushButton *openButton(QWidget *parent, const char *name, const QRect &place)
{
    auto *b = MakeNamed<QPushButton>(parent, QString::fromLatin1(name));
    b->setText(QStringLiteral("Apri"));
    b->setGeometry(place);
    return b;
}

} // namespace

TfrmMenuFatture::TfrmMenuFatture(QWidget *parent) : QWidget(parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmMenuFatture"));
        setWindowTitle(QStringLiteral(" Tavoren - Emissione Fatture Proforma"));
        SetGradientBackground(this, Look::WindowTop, Qt::white);

        QFrame *panel = PlaceCardPanel(this, QSize(720, 330));
        auto *info = MakeNamed<QLabel>(panel, QStringLiteral("lblInformazioni"));
        info->setText(
            QString::fromUtf8("In questo ambiente è possibile emettere fatture proforma per i propri clienti e "
                              "visualizzare grafici statistici degli incassi mensili."));
        info->setWordWrap(true);
        info->setFont(Look::Verdana(11));
        info->setGeometry(20, 16, 680, 48);

        // The archive block and the chart block, side by side.
        QFrame *archive = MakeRoundedPanel(panel, QStringLiteral("shpAnnoFatture"), Qt::white);
        archive->setGeometry(20, 80, 330, 170);
        heading(archive, "intAnnoFatture", "Archivio fatture proforma:", QRect(16, 12, 300, 24));
        heading(archive, "titAnnoFatture", "Anno:", QRect(16, 62, 70, 30));
        txtAnnoFatture = MakeNamed<QLineEdit>(archive, QStringLiteral("txtAnnoFatture"));
        txtAnnoFatture->setFont(Look::Verdana(14, true));
        txtAnnoFatture->setAlignment(Qt::AlignCenter);
        txtAnnoFatture->setGeometry(90, 58, 110, 36);
        btnApriFatture = openButton(archive, "btnApriFatture", QRect(90, 114, 110, 34));

        QFrame *chart = MakeRoundedPanel(panel, QStringLiteral("shpRiepStats"), Qt::white);
        chart->setGeometry(370, 80, 330, 170);
        heading(chart, "intAnnoRiepStats", "Grafici statistici incassi mensili:", QRect(16, 12, 300, 24));
        btnApriRiepStats = openButton(chart, "btnApriRiepStats", QRect(110, 114, 110, 34));

        imgGuida = MakeNamed<ClickLabel>(panel, QStringLiteral("imgGuida"));
        imgGuida->setGeometry(460, 268, 110, 40);
        DrawPictureOnFirstShow(imgGuida, [](QSize size) { return CommandPicture(QStringLiteral("Guida"), size); });
        imgEsci = MakeNamed<ClickLabel>(panel, QStringLiteral("imgEsci"));
        imgEsci->setGeometry(590, 268, 110, 40);
        DrawPictureOnFirstShow(imgEsci, [](QSize size) { return CommandPicture(QStringLiteral("Esci"), size); });

        lblMemory = MakeNamed<QLabel>(panel, QStringLiteral("lblMemory"));
        lblMemory->setText(StartTag);
        lblMemory->hide();

        // FormCreate: the year takes four digits typed; Enter goes to the archive's "Apri".
        ApplyFormatSettings();
        ApplyEditRules(txtAnnoFatture, {.maxLength = 4, .digitsOnly = true});
        EnterMovesTo(txtAnnoFatture, btnApriFatture);
        // A focused button is pressed by Enter too, as on the other windows.
        MakeEnterButtons({btnApriFatture, btnApriRiepStats});

        connect(btnApriFatture, &QPushButton::clicked, this, &TfrmMenuFatture::btnApriFattureClick);
        connect(btnApriRiepStats, &QPushButton::clicked, this, &TfrmMenuFatture::btnApriRiepStatsClick);
        connect(imgGuida, &ClickLabel::clicked, this, &TfrmMenuFatture::imgGuidaClick);
        connect(imgEsci, &ClickLabel::clicked, this, &TfrmMenuFatture::imgEsciClick);
        setWindowState(Qt::WindowMaximized);
    });
}

void TfrmMenuFatture::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    txtAnnoFatture->setText(Today().toString(QStringLiteral("yyyy")));
    lblMemory->setText(StartTag);
    txtAnnoFatture->setFocus();
}

void TfrmMenuFatture::btnApriFattureClick()
{
    // Four ASCII digits exactly, however the text arrived: the year names a file.
    const QString year = txtAnnoFatture->text();
    if (!IsFourDigitYearText(year)) {
        ShowNotice(NoticeKind::Warning,
                   QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        txtAnnoFatture->setFocus();
        return;
    }
    frmFatture->lblFile->setText(ProgramFile(year + InvoiceArchiveExtension));
    frmFatture->lblAnno->setText(year);
    frmFatture->setWindowTitle(QStringLiteral(" Tavoren - Archivio fatture proforma anno ") + year);
    lblMemory->setText(CardTag);
    close();
}

void TfrmMenuFatture::btnApriRiepStatsClick()
{
    lblMemory->setText(ChartTag);
    close();
}

void TfrmMenuFatture::imgGuidaClick()
{
    ShowHelp(this, InvoiceHelpTitle(), InvoiceHelpParagraphs().join(QStringLiteral("\r\n\r\n")));
}

void TfrmMenuFatture::imgEsciClick() { close(); }

void TfrmMenuFatture::closeEvent(QCloseEvent *e)
{
    e->accept();
    const QString tag = TrimText(lblMemory->text());
    if (tag == CardTag) {
        frmFatture->show();
        hide();
    } else if (tag == ChartTag && frmStatistiche) {
        frmStatistiche->show();
        hide();
    } else {
        ReturnToLauncher(this);
    }
}
