// The death certificate's printout: one A4 page in Italian inside the shared page frame; the
// opening sentence carries the date of death and the phrase follows the card's choice.
#include "certificates/CertificatePrintObjects.h"
#include "certificates/CertificatePrintout.h"
#include "certificates/Certificato_Decesso.h"

#include <QRadioButton>

namespace {

// The phrase of the choice checked on the card at this print; none when neither is checked.
QString phrase(const QWidget *card)
{
    const auto checked = [card](const char *name) {
        const auto *b = card->findChild<const QRadioButton *>(QString::fromLatin1(name));
        return b && b->isChecked();
    };
    if (checked("radEutanasia"))
        return QString::fromUtf8(
            "è stato sottoposto a eutanasia (preceduta da anestesia) per la seguente grave malattia:");
    if (checked("radMorte"))
        return QString::fromUtf8("è deceduto per la seguente causa:");
    return QString();
}

} // namespace

std::vector<CertificatePrintObject> DeathCertificatePrintout()
{
    constexpr auto Centre = ReportHAlign::Center;
    std::vector<CertificatePrintObject> o = CertificatePageFrame();
    // This page's top rule stops short of the right-hand one.
    for (CertificatePrintObject &frameObject : o)
        if (QByteArray(frameObject.name) == "Line3")
            frameObject.mm = QRectF(QPointF(10.2, 29.8), QPointF(199.4, 29.8));
    o.push_back(PrintText("txtNum", QRectF(12.0, 33.0, 108.0, 4.2), 9, PrintFace::Plain, "Certificato n. {txtNum}"));
    o.push_back(PrintText("txtData", QRectF(122.8, 33.0, 75.0, 4.2), 9, PrintFace::Plain, "{txtLuogo}, {txtData}", ReportHAlign::Right));
    o.push_back(PrintBand("Shape1", QRectF(11.2, 39.8, 187.8, 8.0), PrintBeige));
    o.push_back(PrintText("Memo1", QRectF(11.7, 41.0, 186.8, 5.6), 14, PrintFace::Bold, "CERTIFICATO DI DECESSO ANIMALE DA COMPAGNIA",
                     Centre));
    o.push_back(PrintText("txtIntroduzione", QRectF(16.0, 54.0, 184.0, 5.4), 11, PrintFace::Plain,
                     "Il sottoscritto Veterinario con la presente certifica che in data {txtDataDecesso} l'animale:"));
    o.push_back(CertificatePrintObject{"Shape2", CertificatePrintObject::Kind::Rectangle, QRectF(16.0, 63.0, 178.0, 148.0)});
    PrintAnimalAndOwnerRows(o, {19.0, 60.0, 85.0, 108.0, 7.0, 66.0, 143.8, 147.0});
    CertificatePrintObject chosen = PrintText("txtDataDecesso", QRectF(16.0, 218.0, 184.0, 5.4), 11, PrintFace::Plain, "");
    chosen.value = phrase;
    o.push_back(chosen);
    CertificatePrintObject cause = PrintText("txtCausaDecesso", QRectF(16.0, 226.0, 178.0, 21.4), 11, PrintFace::Plain,
                                        "{txtCausaDecesso}");
    cause.vAlign = ReportVAlign::Top;
    cause.wordWrap = true;
    o.push_back(cause);
    PrintVetSignature(o, "Memo11", 249.0, 262.0, 279.0, 280.0);
    return o;
}
