// The pieces that the Italian certificate printouts share.
#include "certificates/CertificatePrintObjects.h"

namespace {

struct Row {
    const char *caption, *captionWords, *value, *valueText;
};

void rows(std::vector<CertificatePrintObject> &to, const PrintRowGeometry &g, const Row *first, const Row *last, double top)
{
    for (const Row *r = first; r != last; ++r, top += g.pitch) {
        to.push_back(PrintText(r->caption, QRectF(g.captionLeft, top, g.captionWidth, 4.6), 9, PrintFace::Plain,
                               r->captionWords));
        to.push_back(PrintText(r->value, QRectF(g.valueLeft, top, g.valueWidth, 4.6), 9, PrintFace::Plain, r->valueText));
    }
}

} // namespace

void PrintAnimalRows(std::vector<CertificatePrintObject> &to, const PrintRowGeometry &g, double top)
{
    static const Row animal[] = {
        {"Memo6", "Nome dell'animale:", "txtNomeAni", "{txtNomeAni}"},
        {"Memo7", "Specie:", "txtSpecie", "{txtSpecie}"},
        {"Memo10", "Razza:", "txtRazza", "{txtRazza}"},
        {"Memo12", "Sesso:", "txtSessoAni", "{txtSessoAni}"},
        {"Memo14", "Data di nascita:", "txtDataNascAni", "{txtDataNascAni}"},
        {"Memo16", "Taglia:", "txtTaglia", "{txtTaglia}"},
        {"Memo18", "Pelo:", "txtPelo", "{txtPelo}"},
        {"Memo20", "Colore mantello:", "txtMantello", "{txtMantello}"},
        {"Memo22", "Codice microchip:", "txtMicrochip", "{txtMicrochip}"},
        {"Memo24", "Tatuaggio:", "txtTatuaggio", "{txtTatuaggio}"},
        {"txtSegn", "Segni particolari:", "txtSegni", "{txtSegni}"},
    };
    rows(to, g, std::begin(animal), std::end(animal), top);
}

void PrintOwnerRows(std::vector<CertificatePrintObject> &to, const PrintRowGeometry &g, double top, const char *nameCaption)
{
    const Row owner[] = {
        {"Memo28", nameCaption, "txtProprietario", "{txtProprietario}"},
        {"Memo30", "Sesso:", "txtSesso", "{txtSesso}"},
        {"Memo32", "Data di nascita:", "txtDataNasc", "{txtDataNasc}"},
        {"Memo34", "Luogo di nascita:", "txtComuneNasc", "{txtComuneNasc}"},
        {"Memo36", "Codice fiscale:", "txtCodFisc", "{txtCodFisc}"},
        {"Memo38", "Indirizzo di residenza:", "txtIndirizzoRes", "{txtindirizzoRes}"},
        {"Memo40", "CAP:", "txtCapRes", "{txtCapRes}"},
        {"Memo42", "Città:", "txtComuneRes", "{txtComuneRes}  {txtProvRes}"},
        {"Memo44", "Telefono:", "txtRecapito", "{txtRecapito}"},
    };
    rows(to, g, std::begin(owner), std::end(owner), top);
}

void PrintAnimalAndOwnerRows(std::vector<CertificatePrintObject> &to, const PrintRowGeometry &g)
{
    PrintAnimalRows(to, g, g.animalTop);
    to.push_back(PrintLine("Line5", QPointF(18.0, g.ruleAt), QPointF(192.0, g.ruleAt)));
    PrintOwnerRows(to, g, g.ownerTop, "Nome del proprietario:");
}

void PrintVetSignature(std::vector<CertificatePrintObject> &to, const char *statementName, double statementTop,
                       double captionTop, double lineAt, double nameTop)
{
    const ReportHAlign centre = ReportHAlign::Center;
    to.push_back(PrintText(statementName, QRectF(16.0, statementTop, 100.0, 4.0), 8, PrintFace::Plain,
                           "Si rilascia il presente certificato per gli usi consentiti dalla Legge."));
    to.push_back(PrintText("Memo8", QRectF(121.0, captionTop, 73.0, 4.0), 8, PrintFace::Plain, "FIRMA DEL VETERINARIO",
                           centre));
    to.push_back(PrintLine("Line11", QPointF(121.0, lineAt), QPointF(194.0, lineAt)));
    to.push_back(PrintText("txtVeterinario", QRectF(121.0, nameTop, 73.0, 5.0), 8, PrintFace::Plain,
                           "Dr. {txtVeterinario}", centre));
}
