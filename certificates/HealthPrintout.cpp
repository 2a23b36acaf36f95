// The health certificate's printout: bilingual, one A4 page inside the shared page frame.
#include "certificates/CertificatePrintObjects.h"
#include "certificates/CertificatePrintout.h"

namespace {

using namespace print_objects;

// A caption of the framed box, 66 mm wide at the left.
CertificatePrintObject caption(const char *name, double top, const char *words)
{
    return text(name, QRectF(19.0, top, 66.0, 4.6), 9, Plain, words);
}

// A value of the framed box: the edit's text alone, 101 mm wide at the right.
CertificatePrintObject value(const char *name, double top, const char *words)
{
    return text(name, QRectF(90.0, top, 101.0, 4.6), 9, Plain, words);
}

} // namespace

std::vector<CertificatePrintObject> HealthCertificatePrintout()
{
    constexpr auto Centre = ReportHAlign::Center;
    constexpr auto Right = ReportHAlign::Right;
    std::vector<CertificatePrintObject> objects = CertificatePageFrame();
    const std::vector<CertificatePrintObject> own = {
        text("txtNum", QRectF(12.0, 33.0, 108.0, 4.2), 9, Plain, "Certificato n. / Certificate No. {txtNum}"),
        text("txtData", QRectF(122.8, 33.0, 75.0, 4.2), 9, Plain, "Data / Date: {txtData}", Right),
        band("Shape1", QRectF(11.2, 39.8, 187.8, 8.0), Beige),
        text("Memo1", QRectF(11.7, 41.0, 186.8, 5.6), 14, Bold, "CERTIFICATO SANITARIO PER ANIMALE DA COMPAGNIA",
             Centre),
        band("Shape6", QRectF(11.0, 49.0, 187.8, 8.0), Lavender),
        text("Memo2", QRectF(11.7, 50.2, 186.8, 5.6), 14, Bold, "HEALTH CERTIFICATE FOR PET ANIMAL", Centre),
        text("txtLuogo", QRectF(122.8, 60.0, 75.0, 4.2), 9, Plain, "Luogo / Place: {txtLuogo}", Right),
        text("Memo4", QRectF(16.0, 70.0, 184.0, 5.4), 12, Plain,
             "Il sottoscritto Veterinario con la presente certifica che l'animale:"),
        text("Memo5", QRectF(16.0, 76.0, 184.0, 5.4), 12, Italic,
             "I, the undersigned Veterinarian, hereby certify that the animal:"),
        frame("Shape2", QRectF(16.0, 85.0, 178.0, 148.0)),
        caption("Memo6", 88.0, "Nome dell'animale / Animal's name:"),
        value("txtNomeAni", 88.0, "{txtNomeAni}"),
        caption("Memo7", 95.0, "Specie / Species:"),
        value("txtSpecie", 95.0, "{txtSpecie}"),
        caption("Memo10", 102.0, "Razza / Breed:"),
        value("txtRazza", 102.0, "{txtRazza}"),
        caption("Memo12", 109.0, "Sesso / Sex:"),
        value("txtSessoAni", 109.0, "{txtSessoAni}"),
        caption("Memo14", 116.0, "Data di nascita / Date of birth:"),
        value("txtDataNascAni", 116.0, "{txtDataNascAni}"),
        caption("Memo16", 123.0, "Taglia / Size:"),
        value("txtTaglia", 123.0, "{txtTaglia}"),
        caption("Memo18", 130.0, "Pelo / Hair:"),
        value("txtPelo", 130.0, "{txtPelo}"),
        caption("Memo20", 137.0, "Colore mantello / Coat colour:"),
        value("txtMantello", 137.0, "{txtMantello}"),
        caption("Memo22", 144.0, "Codice microchip / Microchip ID:"),
        value("txtMicrochip", 144.0, "{txtMicrochip}"),
        caption("Memo24", 151.0, "Tatuaggio / Tattoo:"),
        value("txtTatuaggio", 151.0, "{txtTatuaggio}"),
        caption("txtSegn", 158.0, "Segni particolari / Distinguishing marks:"),
        value("txtSegni", 158.0, "{txtSegni}"),
        line("Line5", QPointF(18.0, 165.8), QPointF(192.0, 165.8)),
        caption("Memo28", 169.0, "Nome del proprietario / Owner's name:"),
        value("txtProprietario", 169.0, "{txtProprietario}"),
        caption("Memo30", 176.0, "Sesso / Sex:"),
        value("txtSesso", 176.0, "{txtSesso}"),
        caption("Memo32", 183.0, "Data di nascita / Date of birth:"),
        value("txtDataNasc", 183.0, "{txtDataNasc}"),
        caption("Memo34", 190.0, "Luogo di nascita / Place of birth:"),
        value("txtComuneNasc", 190.0, "{txtComuneNasc}"),
        caption("Memo36", 197.0, "Codice fiscale / Italian fiscal code:"),
        value("txtCodFisc", 197.0, "{txtCodFisc}"),
        caption("Memo38", 204.0, "Indirizzo di residenza / Home address:"),
        value("txtIndirizzoRes", 204.0, "{txtindirizzoRes}"),
        caption("Memo40", 211.0, "CAP / Zip Code:"),
        value("txtCapRes", 211.0, "{txtCapRes}"),
        caption("Memo42", 218.0, "Città / Town:"),
        value("txtComuneRes", 218.0, "{txtComuneRes}  {txtProvRes}"),
        caption("Memo44", 225.0, "Telefono / Phone:"),
        value("txtRecapito", 225.0, "{txtRecapito}"),
        text("Memo46", QRectF(16.0, 235.0, 184.0, 5.4), 12, Plain,
             "non presenta segni clinici di malattie infettive e diffusive proprie della specie"),
        text("Memo13", QRectF(16.0, 240.4, 184.0, 5.4), 12, Plain, "e/o trasmissibili agli uomini."),
        text("Memo47", QRectF(16.0, 247.0, 184.0, 5.4), 12, Italic,
             "does not show any clinical sign of infectious and diffusive disease proper of the species"),
        text("Memo15", QRectF(16.0, 252.4, 184.0, 5.4), 12, Italic, "and/or transmissible to humans."),
        text("Memo8", QRectF(121.0, 260.0, 73.0, 4.0), 8, Plain, "FIRMA DEL VETERINARIO", Centre),
        text("Memo11", QRectF(16.0, 263.0, 102.0, 4.0), 8, Plain,
             "Si rilascia il presente certificato per gli usi consentiti dalla Legge."),
        text("Memo3", QRectF(121.0, 264.2, 73.0, 4.0), 8, Italic, "VETERINARIAN'S SIGNATURE", Centre),
        text("Memo9", QRectF(16.0, 267.2, 102.0, 4.0), 8, Italic,
             "This certification is being issued for whatever legal purpose it may serve."),
        line("Line11", QPointF(121.0, 279.0), QPointF(194.0, 279.0)),
        text("txtVeterinario", QRectF(121.0, 280.0, 73.0, 5.0), 8, Plain, "Dr. {txtVeterinario}", Centre),
    };
    objects.insert(objects.end(), own.begin(), own.end());
    return objects;
}
