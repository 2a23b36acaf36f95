// The animal and owner box that the Italian certificate printouts share.
#include "certificates/CertificatePrintObjects.h"

namespace print_objects {

void animalAndOwnerRows(std::vector<CertificatePrintObject> &to, const RowGeometry &g)
{
    const struct {
        const char *caption, *captionWords, *value, *valueText;
    } animal[] = {
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
    }, owner[] = {
        {"Memo28", "Nome del proprietario:", "txtProprietario", "{txtProprietario}"},
        {"Memo30", "Sesso:", "txtSesso", "{txtSesso}"},
        {"Memo32", "Data di nascita:", "txtDataNasc", "{txtDataNasc}"},
        {"Memo34", "Luogo di nascita:", "txtComuneNasc", "{txtComuneNasc}"},
        {"Memo36", "Codice fiscale:", "txtCodFisc", "{txtCodFisc}"},
        {"Memo38", "Indirizzo di residenza:", "txtIndirizzoRes", "{txtindirizzoRes}"},
        {"Memo40", "CAP:", "txtCapRes", "{txtCapRes}"},
        {"Memo42", "Città:", "txtComuneRes", "{txtComuneRes}  {txtProvRes}"},
        {"Memo44", "Telefono:", "txtRecapito", "{txtRecapito}"},
    };
    const auto row = [&](const auto &r, double top) {
        to.push_back(text(r.caption, QRectF(g.captionLeft, top, g.captionWidth, 4.6), 9, Plain, r.captionWords));
        to.push_back(text(r.value, QRectF(g.valueLeft, top, g.valueWidth, 4.6), 9, Plain, r.valueText));
    };
    double top = g.animalTop;
    for (const auto &r : animal) {
        row(r, top);
        top += g.pitch;
    }
    to.push_back(line("Line5", QPointF(18.0, g.ruleAt), QPointF(192.0, g.ruleAt)));
    top = g.ownerTop;
    for (const auto &r : owner) {
        row(r, top);
        top += g.pitch;
    }
}

} // namespace print_objects
