#include "animals/CreaRTF.h"
#include "common/ui/WindowBuild.h"

#include "animals/AnimalPictures.h"
#include "common/Cp1252.h"
#include "common/Dates.h"
#include "common/Platform.h"
#include "common/Rtf.h"
#include "common/Text.h"
#include "common/ui/ActionPanel.h"
#include "common/ui/RecordCard.h"
#include "common/ui/Widgets.h"

#include <QLabel>

WindowHandle<TfrmCreaRTF> frmCreaRTF;

namespace {

constexpr int WindowWidth = 377;
constexpr int WindowHeight = 292;

const QString ContextTag = QStringLiteral("cani");

// The card's edits in the order they are written, with the label written before each value.
struct DocumentField {
    const char *edit;
    const char *label;
};

const DocumentField Fields[] = {
    {"txtNome", "Nome:"},
    {"txtSesso", "Sesso:"},
    {"txtDataNasc", "Data nascita:"},
    {"txtGruppo", "Specie:"},
    {"txtRazza", "Razza:"},
    {"txtMantello", "Colore mantello:"},
    {"txtPelo", "Tipologia pelo:"},
    {"txtSegni", "Segni particolari:"},
    {"txtAltezza", "Altezza:"},
    {"txtLunghezza", "Lunghezza:"},
    {"txtTaglia", "Taglia:"},
    {"txtPeso", "Peso:"},
    {"txtSterilizzato", "Sterilizzato:"},
    {"txtLibretto", "Libretto sanitario:"},
    {"txtMedico", "Medico veterinario:"},
    {"txtROI", "Numero ROI:"},
    {"txtMicrochip", "Codice microchip:"},
    {"txtDataApp", "Data applicazione:"},
    {"txtLocalizzazione", "Localizzazione microchip:"},
    {"txtTatuaggio", "Tatuaggio:"},
    {"txtPedigree", "Pedigree:"},
    {"txtAggressivo", "Comportamento verso persone o altri animali:"},
    {"txtGuinzaglio", "Comportamento al guinzaglio:"},
    {"txtGiochi", "Giochi preferiti:"},
    {"txtProprietario", "Proprietario attuale:"},
    {"txtRecapito", "Telefono preferenziale:"},
    {"txtCodFisc", "Codice fiscale:"},
    {"txtComuneRes", "Comune di residenza:"},
    {"txtInizioProp", "Data inizio possesso:"},
    {"txtAllevatore", "Allevatore:"},
    {"txtPassaggi", "Passaggi di possesso:"},
    {"txtPadre", "Padre:"},
    {"txtNonniPat", "Nonni paterni:"},
    {"txtBisnonniPat", "Bisnonni paterni:"},
    {"txtTrisnonniPat", "Trisnonni paterni:"},
    {"txtMadre", "Madre:"},
    {"txtNonniMat", "Nonni materni:"},
    {"txtBisnonniMat", "Bisnonni materni:"},
    {"txtTrisnonniMat", "Trisnonni materni:"},
    {"txtCampionatiIta", "Campionati italiani:"},
    {"txtCampionatiInt", "Campionati internazionali:"},
    {"txtTitoli", "Titoli e brevetti vari:"},
    {"txtAccompagnatori", "Accompagnatori:"},
    {"txtIscrizioni", "Iscrizioni a club:"},
    {"txtVaccinazioni", "Vaccinazioni:"},
    {"txtSverminazioni", "Sverminazioni:"},
    {"txtTrattamenti", "Trattamenti antiparassitari:"},
    {"txtAccertamenti", "Accertamenti diagnostici:"},
    {"txtMalattie", "Malattie pregresse:"},
    {"txtInterventi", "Interventi chirurgici:"},
    {"txtProfilassi", "Profilassi in corso:"},
    {"txtDifetti", "Difetti fisici:"},
    {"txtAlimentazione", "Alimentazione:"},
    {"txtNote", "Note:"},
};

} // namespace

QString AnimalRtfFileName() { return QStringLiteral("Scheda_Animale.rtf"); }

QString AnimalRtfText(const QWidget *card)
{
    RtfWriter rtf;
    rtf.fixed(R"rtf({\rtf1\ansi\ansicpg1252\deff0\deflang1040{\fonttbl{\f0\fnil\fcharset0 Verdana;}{\f1\fnil Verdana;}})rtf");
    rtf.fixed(R"rtf({\colortbl ;\red0\green0\blue0;})rtf");
    rtf.fixed(R"rtf(\viewkind4\uc1\pard\qc\cf1\b\f0\fs24 SCHEDA ANAGRAFICA ANIMALE\f1\fs16)rtf");
    rtf.paragraph(R"rtf(\fs24 )rtf").repeat(u'_', 48);
    rtf.paragraph();

    const qsizetype last = std::size(Fields) - 1;
    for (qsizetype i = 0; i <= last; ++i) {
        const DocumentField &f = Fields[i];
        // The first paragraph also starts the left-aligned body at 10 points.
        rtf.fixed(i == 0 ? R"rtf(\par \pard\f0\fs20 )rtf" : R"rtf(\par \b )rtf");
        rtf.fixed(f.label);
        rtf.fixed(R"rtf(\b0\f1  \f0 )rtf");
        rtf.value(NamedControlText(card, QString::fromLatin1(f.edit)));
        if (i == last)
            rtf.fixed(R"rtf(\b)rtf");
        rtf.paragraph();
    }
    rtf.paragraph(R"rtf(})rtf");
    return rtf.text();
}

WholeFileExportResult WriteAnimalRtf(const QWidget *card)
{
    return ExportWholeFile(
        AnimalRtfFileName(), [card] { return ToCp1252(AnimalRtfText(card)); },
        QString::fromUtf8("Questa procedura esporterà la scheda corrente in un documento in formato RTF.\r\n\r\n"
                          "Si conferma la creazione del file?"),
        QString::fromUtf8("Il file RTF è stato creato con successo.\r\n\r\nSi vuole aprire il documento?"),
        RtfExportMessage());
}

TfrmCreaRTF::TfrmCreaRTF(QWidget *parent)
    : ActionDialog(
          parent, QStringLiteral("frmCreaRTF"), QStringLiteral(" Esporta scheda corrente in RTF"),
          QSize(WindowWidth, WindowHeight),
          {
              .headingPicture = &AnimalPictures::RtfHeading,
              .heading = QStringLiteral("Esporta scheda in formato RTF"),
              .explanation = QString::fromUtf8("Fare clic sul pulsante in calce per esportare la scheda in un "
                                               "documento RTF."),
              .actionPicture = &AnimalPictures::EditDocument,
              .actionText = QString::fromUtf8("Il testo del documento potrà quindi essere personalizzato prima di "
                                              "procedere alla stampa su carta."),
              .actionButton = QStringLiteral("Esporta e stampa"),
          })
{
    BuildWhenNeeded(this, [this] {
        lblMemory = MakeNamed<QLabel>(this, QStringLiteral("lblMemory"));
        lblMemory->setTextFormat(Qt::PlainText);
        lblMemory->hide();
    });
}

void TfrmCreaRTF::btnStampaClick()
{
    // Any other tag: the command does nothing and the window stays open.
    if (TrimText(lblMemory->text()) != ContextTag)
        return;
    WriteAnimalRtf(source());
    // The window closes whatever the user answered and whether or not the writing failed.
    accept();
}

void OpenAnimalRtf(QWidget *card)
{
    OpenModal<TfrmCreaRTF>(card, [card](TfrmCreaRTF &w) {
        w.setSource(card);
        w.lblMemory->setText(ContextTag);
    });
}
