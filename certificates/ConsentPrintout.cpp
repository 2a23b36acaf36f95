// The surgery consent's printout: one A4 page inside the shared page frame, with the owner's and
// the animal's boxes, the procedures authorised, the declaration and the owner's signature.
#include "certificates/CertificatePrintout.h"

namespace {

using Kind = CertificatePrintObject::Kind;

constexpr auto Plain = PrintFace::Plain;
constexpr auto Bold = PrintFace::Bold;

constexpr auto Centre = ReportHAlign::Center;
constexpr auto Right = ReportHAlign::Right;

const QColor Beige(245, 245, 220);

// A caption of the owner's or the animal's box: 60 mm at the left.
CertificatePrintObject caption(const char *name, double top, const char *words)
{
    return PrintText(name, QRectF(19.0, top, 60.0, 4.0), 8, Plain, words);
}

// A value of the owner's or the animal's box: 108 mm at the right.
CertificatePrintObject value(const char *name, double top, const char *words)
{
    return PrintText(name, QRectF(85.0, top, 108.0, 4.0), 8, Plain, words);
}

// A fixed line of the procedures or of the declaration, across the page.
CertificatePrintObject fine(const char *name, double top, const char *words)
{
    return PrintText(name, QRectF(16.0, top, 183.0, 4.0), 8, Plain, words);
}

// A procedure's value, written on its own rule.
CertificatePrintObject filled(const char *name, double top, const char *words, ReportHAlign align = ReportHAlign::Left)
{
    return PrintText(name, QRectF(16.0, top, 178.0, 4.0), 8, Plain, words, align);
}

} // namespace

std::vector<CertificatePrintObject> SurgeryConsentPrintout()
{
    std::vector<CertificatePrintObject> objects = CertificatePageFrame();
    const std::vector<CertificatePrintObject> own = {
        PrintText("txtNum", QRectF(12.0, 32.0, 108.0, 4.2), 9, Plain, "Consenso n. {txtNum}"),
        PrintText("txtData", QRectF(122.8, 32.0, 75.0, 4.2), 9, Plain, "{txtLuogo}, {txtData}", Right),
        PrintBand("Shape1", QRectF(11.2, 37.8, 187.8, 7.0), Beige),
        PrintText("Memo1", QRectF(11.7, 38.8, 186.8, 5.0), 13, Bold, "CONSENSO INFORMATO ALL'ANESTESIA E ALL'INTERVENTO CHIRURGICO", Centre),
        PrintText("Memo2", QRectF(16.0, 47.5, 184.0, 4.8), 10, Plain, "Il sottoscritto:"),
        {"Shape2", Kind::Rectangle, QRectF(16.0, 54.0, 178.0, 42.2)},
        caption("Memo3", 55.6, "Cognome e nome:"),
        value("txtProprietario", 55.6, "{txtProprietario}"),
        caption("Memo4", 60.0, "Sesso:"),
        value("txtSesso", 60.0, "{txtSesso}"),
        caption("Memo5", 64.4, "Data di nascita:"),
        value("txtDataNasc", 64.4, "{txtDataNasc}"),
        caption("Memo6", 68.8, "Luogo di nascita:"),
        value("txtComuneNasc", 68.8, "{txtComuneNasc}"),
        caption("Memo7", 73.2, "Codice fiscale:"),
        value("txtCodFisc", 73.2, "{txtCodFisc}"),
        caption("Memo8", 77.6, "Indirizzo di residenza:"),
        value("txtIndirizzoRes", 77.6, "{txtindirizzoRes}"),
        caption("Memo9", 82.0, "CAP:"),
        value("txtCapRes", 82.0, "{txtCapRes}"),
        caption("Memo10", 86.4, "Città:"),
        value("txtComuneRes", 86.4, "{txtComuneRes}  {txtProvRes}"),
        caption("Memo11", 90.8, "Telefono:"),
        value("txtRecapito", 90.8, "{txtRecapito}"),
        PrintText("Memo12", QRectF(16.0, 98.5, 184.0, 4.8), 10, Plain, "proprietario dell'animale:"),
        {"Shape3", Kind::Rectangle, QRectF(16.0, 105.0, 178.0, 51.2)},
        caption("Memo13", 106.6, "Nome dell'animale:"),
        value("txtNomeAni", 106.6, "{txtNomeAni}"),
        caption("Memo14", 111.0, "Specie:"),
        value("txtSpecie", 111.0, "{txtSpecie}"),
        caption("Memo15", 115.4, "Razza:"),
        value("txtRazza", 115.4, "{txtRazza}"),
        caption("Memo16", 119.8, "Sesso:"),
        value("txtSessoAni", 119.8, "{txtSessoAni}"),
        caption("Memo17", 124.2, "Data di nascita:"),
        value("txtDataNascAni", 124.2, "{txtDataNascAni}"),
        caption("Memo18", 128.6, "Taglia:"),
        value("txtTaglia", 128.6, "{txtTaglia}"),
        caption("Memo19", 133.0, "Pelo:"),
        value("txtPelo", 133.0, "{txtPelo}"),
        caption("Memo20", 137.4, "Colore mantello:"),
        value("txtMantello", 137.4, "{txtMantello}"),
        caption("Memo21", 141.8, "Codice microchip:"),
        value("txtMicrochip", 141.8, "{txtMicrochip}"),
        caption("Memo22", 146.2, "Tatuaggio:"),
        value("txtTatuaggio", 146.2, "{txtTatuaggio}"),
        caption("txtSegn", 150.6, "Segni particolari:"),
        value("txtSegni", 150.6, "{txtSegni}"),
        PrintText("Memo23", QRectF(16.0, 158.0, 178.0, 5.0), 12, Bold, "DICHIARA DI AUTORIZZARE LE SEGUENTI PROCEDURE:", Centre),
        fine("Memo24", 164.0, "1. Anestesia generale, accettando che il medico anestesista impieghi la tecnica anestesiologica più idonea al tipo d'intervento e alle"),
        fine("Memo25", 168.0, "condizioni generali dell'animale."),
        fine("Memo26", 173.0, "2. Intervento chirurgico in anestesia generale consistente in:"),
        filled("txtIntervento", 177.0, "{txtIntervento}"),
        PrintLine("Line5", QPointF(16.0, 182.0), QPointF(194.0, 182.0)),
        fine("Memo27", 183.0, "3. Ulteriori trattamenti terapeutici medici e/o chirurgici:"),
        filled("txtTrattamenti", 187.0, "{txtTrattamenti}"),
        PrintLine("Line6", QPointF(16.0, 192.0), QPointF(194.0, 192.0)),
        fine("Memo28", 193.0, "Il sottoscritto dichiara di autorizzare tutti gli esami diagnostici ritenuti necessari dal Medico Veterinario:"),
        filled("txtVeterinario", 197.0, "Dr. {txtVeterinario}", Centre),
        PrintLine("Line7", QPointF(16.0, 202.0), QPointF(194.0, 202.0)),
        fine("Memo29", 204.0, "Dichiara di essere stato informato che l'animale sarà sottoposto ad anestesia generale e che tale pratica non è esente da complicanze"),
        fine("Memo30", 208.0, "generali e da rischi intrinseci, anche se attuata con perizia, diligenza e prudenza."),
        fine("Memo31", 212.0, "Dichiara altresì di essere stato informato della necessità di sospendere l'alimentazione solida e liquida dodici ore prima dell'anestesia,"),
        fine("Memo32", 216.0, "della qual cosa si assume la diretta responsabilità."),
        fine("Memo33", 220.0, "Qualora durante l'intervento chirurgico si verificassero particolari difficoltà di ordine tecnico relative sia alla malattia sia alle"),
        fine("Memo34", 224.0, "condizioni generali dell'animale, accetta, sin d'ora, le modifiche che si rendessero necessarie."),
        fine("Memo35", 228.0, "Qualora durante l'intervento chirurgico venisse evidenziata, ad insindacabile giudizio del Medico Veterinario, una situazione a prognosi"),
        fine("Memo36", 232.0, "infausta, autorizza i medici, onde evitare inutili sofferenze all'animale, a procedere con l'eutanasia. Per questa eventualità dichiara"),
        fine("Memo37", 236.0, "che detto animale non ha morsicato né graffiato alcuna persona o altro animale negli ultimi dieci giorni e ne autorizza, non richiedendo"),
        fine("Memo38", 240.0, "l'autopsia, l'incenerimento."),
        fine("Memo39", 244.0, "Dichiara di essere stato informato della necessità da parte dei medici di seguire il decorso post-operatorio con successive terapie,"),
        fine("Memo40", 248.0, "controllo grandi funzioni e medicazioni e che per l'intervento chirurgico e il decorso post-operatorio dovrà sostenere un costo come"),
        fine("Memo41", 252.0, "da preventivo in allegato che accetta formalmente."),
        fine("Memo42", 256.0, "Con le dimissioni dell'animale dalla struttura veterinaria, che avverrà dopo che il personale medico avrà accertato che i parametri"),
        fine("Memo43", 260.0, "fisiologici risultano nella norma, si assume personalmente la responsabilità di vigilare detto animale e comunicare tempestivamente"),
        fine("Memo44", 264.0, "ai medici in caso di necessità eventuali complicazioni di qualsiasi natura, onde evitare che situazioni contingenti e/o comportamenti"),
        fine("Memo45", 268.0, "imprevedibili dello stesso possano condizionare negativamente l'esito dell'intervento o esporne a rischi la vita."),
        PrintText("Memo46", QRectF(49.0, 279.0, 74.0, 4.0), 8, Plain, "FIRMA DEL PROPRIETARIO DELL'ANIMALE:", Right),
        PrintLine("Line8", QPointF(125.0, 281.2), QPointF(194.0, 281.2)),
        PrintText("txtProprietarioAni", QRectF(125.0, 281.6, 69.0, 4.4), 8, Plain, "{txtProprietario}", Centre),
    };
    objects.insert(objects.end(), own.begin(), own.end());
    return objects;
}
