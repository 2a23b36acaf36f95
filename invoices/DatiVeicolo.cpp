#include "invoices/DatiVeicolo.h"
#include "common/ui/WindowBuild.h"
#include "common/Dates.h"
#include "common/Text.h"
#include "common/ui/CardPanel.h"
#include "common/ui/FieldTable.h"
#include "common/ui/Look.h"
#include "common/ui/StoredTexts.h"
#include "common/ui/Widgets.h"
#include "dialogs/Artwork.h"
#include "invoices/Fatture.h"
#include "invoices/InvoiceRecord.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

WindowHandle<TfrmDatiVeicolo> frmDatiVeicolo;

namespace {

const QString InvoiceTag = QStringLiteral("fatture");

// Each edit of the dialog and the card's hidden label it stands for, in the order of the record.
struct ExtraText {
    QLineEdit *TfrmDatiVeicolo::*edit;
    QLabel *TfrmFatture::*label;
};
const ExtraText ExtraTexts[] = {
    {&TfrmDatiVeicolo::txtVeicolo, &TfrmFatture::memVeicolo},
    {&TfrmDatiVeicolo::txtMarca, &TfrmFatture::memMarca},
    {&TfrmDatiVeicolo::txtColore, &TfrmFatture::memColore},
    {&TfrmDatiVeicolo::txtImmatricolazione, &TfrmFatture::memImmatricolazione},
    {&TfrmDatiVeicolo::txtAlimentazione, &TfrmFatture::memAlimentazione},
    {&TfrmDatiVeicolo::txtTarga, &TfrmFatture::memTarga},
};

const FieldGrid Grid{.rowPitch = 41, .captionTop = 0, .editTop = 18, .editHeight = 22,
                     .editFont = Look::Verdana(9)};

} // namespace

TfrmDatiVeicolo::TfrmDatiVeicolo(QWidget *parent) : QDialog(parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmDatiVeicolo"));
        ApplyFormatSettings();
        setWindowTitle(QStringLiteral(" Altre informazioni"));
        MakeFixedWindow(this, 560, 334);
        SetGradientBackground(this, Look::Pale, Qt::white);

        imgFoto = MakeNamed<QLabel>(this, QStringLiteral("imgFoto"));
        imgFoto->setGeometry(10, 10, 160, 139);
        DrawOnFirstShow(this, [this] {
            imgFoto->setPixmap(Artwork::ApplicationPhoto(Artwork::Application::Invoices, imgFoto->size()));
        });
        lblIstruzioni = MakeNamed<QLabel>(
            this, QStringLiteral("lblIstruzioni"),
            QStringLiteral("Inserire i dati, fare clic su Applica e chiudi e poi sul pulsante Salva per salvare le "
                           "modifiche."));
        lblIstruzioni->setGeometry(186, 40, 364, 60);
        lblIstruzioni->setWordWrap(true);
        lblIstruzioni->setFont(Look::Verdana(10));

        // Two columns of three rows; Enter walks them in the order of the record.
        QFrame *panel = MakeRoundedPanel(this, QStringLiteral("shpDati"), Qt::white);
        panel->setGeometry(10, 156, 540, 3 * Grid.rowPitch + 6);
        const int left = 8, right = 274, width = 258;
        FieldTable(Grid,
                   {{panel,
                     {
                         {&txtVeicolo, "Veicolo", "Animale:", left, 0, width},
                         {&txtMarca, "Marca", "Sconti applicati:", right, 0, width},
                         {&txtColore, "Colore", "Totale terapia:", left, 1, width},
                         {&txtImmatricolazione, "Immatricolazione", "Rateazione:", right, 1, width},
                         {&txtAlimentazione, "Alimentazione", "Stato pagamenti:", left, 2, width},
                         {&txtTarga, "Targa", "Interessi di mora:", right, 2, width},
                     }}},
                   &InvoiceRecordLayout());

        btnAnnulla = MakeNamed<QPushButton>(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"));
        btnAnnulla->setGeometry(318, 292, 110, 32);
        btnApplica = MakeNamed<QPushButton>(this, QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"));
        btnApplica->setGeometry(438, 292, 112, 32);
        MakeEnterButtons({btnAnnulla, btnApplica});

        lblMemory = MakeNamed<QLabel>(this, QStringLiteral("lblMemory"));
        lblMemory->hide();

        connect(btnApplica, &QPushButton::clicked, this, &TfrmDatiVeicolo::btnApplicaClick);
        connect(btnAnnulla, &QPushButton::clicked, this, &TfrmDatiVeicolo::btnAnnullaClick);
    });
}

void TfrmDatiVeicolo::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    CenterWindow(this, parentWidget());
    txtVeicolo->setFocus(Qt::OtherFocusReason);
}

void TfrmDatiVeicolo::btnApplicaClick()
{
    // The card will store these texts: one it could not keep as shown is corrected here.
    QList<QWidget *> edits;
    for (const ExtraText &t : ExtraTexts)
        edits.append(this->*t.edit);
    if (!TextsStorable(edits))
        return;
    ExtraInfoHandBack(*this);
    accept();
}

void TfrmDatiVeicolo::btnAnnullaClick() { reject(); }

void ExtraInfoHandBack(const TfrmDatiVeicolo &dialog)
{
    if (TrimText(dialog.lblMemory->text()) != InvoiceTag || !frmFatture)
        return;
    for (const ExtraText &t : ExtraTexts)
        (frmFatture->*t.label)->setText(TrimText((dialog.*t.edit)->text()));
}

void OpenExtraInfo(TfrmFatture *card)
{
    OpenModal<TfrmDatiVeicolo>(card, [card](TfrmDatiVeicolo &dialog) {
        dialog.lblMemory->setText(InvoiceTag);
        for (const ExtraText &t : ExtraTexts)
            (dialog.*t.edit)->setText(TrimText((card->*t.label)->text()));
    });
}
