// The vaccination certificate's printout: Italian only, one A4 page inside the shared page frame.
#include "certificates/CertificatePrintObjects.h"
#include "certificates/CertificatePrintout.h"

namespace {

constexpr auto Centre = ReportHAlign::Center;

const QColor Beige(245, 245, 220);

// A caption of the framed box, 60 mm wide at the left.
CertificatePrintObject caption(const char *name, double top, const char *words)
{
    return PrintText(name, QRectF(19.0, top, 60.0, 4.6), 9, PrintFace::Plain, words);
}

// A value of the framed box, 108 mm wide from 85 mm.
CertificatePrintObject value(const char *name, double top, const char *words)
{
    return PrintText(name, QRectF(85.0, top, 108.0, 4.6), 9, PrintFace::Plain, words);
}

// A cell of the vaccine table: centred in its column.
CertificatePrintObject cell(const char *name, double left, double top, double width, const char *words)
{
    return PrintText(name, QRectF(left, top, width, 4.6), 9, PrintFace::Plain, words, Centre);
}

} // namespace

std::vector<CertificatePrintObject> VaccinationCertificatePrintout()
{
    using Kind = CertificatePrintObject::Kind;
    std::vector<CertificatePrintObject> objects = CertificatePageFrame();
    const std::vector<CertificatePrintObject> own = {
        PrintText("txtNum", QRectF(12.0, 33.0, 108.0, 4.2), 9, PrintFace::Plain, "Certificato n. {txtNum}"),
        PrintText("txtData", QRectF(122.8, 33.0, 75.0, 4.2), 9, PrintFace::Plain, "{txtLuogo}, {txtData}",
                  ReportHAlign::Right),
        PrintBand("Shape1", QRectF(11.2, 39.8, 187.8, 8.0), Beige),
        PrintText("Memo1", QRectF(11.7, 41.0, 186.8, 5.6), 14, PrintFace::Bold,
                  "CERTIFICATO DI VACCINAZIONE ANTIRABBICA", Centre),
        PrintText("Memo4", QRectF(16.0, 54.0, 184.0, 5.4), 11, PrintFace::Plain,
                  "Il sottoscritto Veterinario con la presente certifica di avere vaccinato contro la rabbia "
                  "l'animale:"),
        {"Shape2", Kind::Rectangle, QRectF(16.0, 63.0, 178.0, 148.0)},
        caption("Memo6", 66.0, "Nome dell'animale:"),
        value("txtNomeAni", 66.0, "{txtNomeAni}"),
        caption("Memo7", 73.0, "Specie:"),
        value("txtSpecie", 73.0, "{txtSpecie}"),
        caption("Memo10", 80.0, "Razza:"),
        value("txtRazza", 80.0, "{txtRazza}"),
        caption("Memo12", 87.0, "Sesso:"),
        value("txtSessoAni", 87.0, "{txtSessoAni}"),
        caption("Memo14", 94.0, "Data di nascita:"),
        value("txtDataNascAni", 94.0, "{txtDataNascAni}"),
        caption("Memo16", 101.0, "Taglia:"),
        value("txtTaglia", 101.0, "{txtTaglia}"),
        caption("Memo18", 108.0, "Pelo:"),
        value("txtPelo", 108.0, "{txtPelo}"),
        caption("Memo20", 115.0, "Colore mantello:"),
        value("txtMantello", 115.0, "{txtMantello}"),
        caption("Memo22", 122.0, "Codice microchip:"),
        value("txtMicrochip", 122.0, "{txtMicrochip}"),
        caption("Memo24", 129.0, "Tatuaggio:"),
        value("txtTatuaggio", 129.0, "{txtTatuaggio}"),
        caption("txtSegn", 136.0, "Segni particolari:"),
        value("txtSegni", 136.0, "{txtSegni}"),
        PrintLine("Line5", QPointF(18.0, 143.8), QPointF(192.0, 143.8)),
        caption("Memo28", 147.0, "Nome del proprietario:"),
        value("txtProprietario", 147.0, "{txtProprietario}"),
        caption("Memo30", 154.0, "Sesso:"),
        value("txtSesso", 154.0, "{txtSesso}"),
        caption("Memo32", 161.0, "Data di nascita:"),
        value("txtDataNasc", 161.0, "{txtDataNasc}"),
        caption("Memo34", 168.0, "Luogo di nascita:"),
        value("txtComuneNasc", 168.0, "{txtComuneNasc}"),
        caption("Memo36", 175.0, "Codice fiscale:"),
        value("txtCodFisc", 175.0, "{txtCodFisc}"),
        caption("Memo38", 182.0, "Indirizzo di residenza:"),
        value("txtIndirizzoRes", 182.0, "{txtindirizzoRes}"),
        caption("Memo40", 189.0, "CAP:"),
        value("txtCapRes", 189.0, "{txtCapRes}"),
        caption("Memo42", 196.0, "Città:"),
        value("txtComuneRes", 196.0, "{txtComuneRes}  {txtProvRes}"),
        caption("Memo44", 203.0, "Telefono:"),
        value("txtRecapito", 203.0, "{txtRecapito}"),
        PrintText("txtDataSom", QRectF(16.0, 218.0, 184.0, 5.4), 11, PrintFace::Plain,
                  "La vaccinazione è stata eseguita in data {txtDataSom}."),
        PrintText("Memo2", QRectF(16.0, 226.0, 184.0, 4.4), 9, PrintFace::Plain, "ESTREMI VACCINO UTILIZZATO"),
        {"Shape3", Kind::Rectangle, QRectF(16.0, 231.0, 178.0, 13.4)},
        PrintLine("Line7", QPointF(86.0, 231.2), QPointF(86.0, 244.2)),
        PrintLine("Line8", QPointF(150.0, 231.2), QPointF(150.0, 244.2)),
        cell("Memo3", 17.0, 232.0, 68.0, "Denominazione"),
        cell("Memo5", 87.0, 232.0, 62.0, "Serie e numero"),
        cell("Memo9", 151.0, 232.0, 42.0, "Scadenza medicinale"),
        PrintLine("Line6", QPointF(16.2, 237.8), QPointF(194.0, 237.8)),
        cell("txtDenominazione", 17.0, 239.0, 68.0, "{txtDenominazione}"),
        cell("txtSerie", 87.0, 239.0, 62.0, "{txtSerie}"),
        cell("txtScadeMed", 151.0, 239.0, 42.0, "{txtScadeMed}"),
    };
    objects.insert(objects.end(), own.begin(), own.end());
    PrintVetSignature(objects, "Memo11", 249.0, 262.0, 279.0, 280.0);
    return objects;
}
