// The euthanasia authorisation's printout: one A4 page in Italian inside the shared page frame,
// the owner's declaration with the owner first and the owner's signature. No text wraps: each
// sentence line is an object of its own.
#include "certificates/Autorizzazione_Eutanasia.h"
#include "certificates/CertificatePrintObjects.h"
#include "certificates/CertificatePrintout.h"

std::vector<CertificatePrintObject> EuthanasiaAuthorizationPrintout()
{
    constexpr auto Centre = ReportHAlign::Center;
    const auto sentence = [](const char *name, double top, const char *words) {
        return PrintText(name, QRectF(16.0, top, 184.0, 5.4), 11, PrintFace::Plain, words);
    };
    const PrintRowGeometry rows{19.0, 60.0, 85.0, 108.0, 5.0, 126.0, 0.0, 65.0};
    std::vector<CertificatePrintObject> o = CertificatePageFrame();
    o.push_back(PrintText("txtNum", QRectF(12.0, 33.0, 108.0, 4.2), 9, PrintFace::Plain, "Autorizzazione n. {txtNum}"));
    o.push_back(PrintText("txtData", QRectF(122.8, 33.0, 75.0, 4.2), 9, PrintFace::Plain, "{txtLuogo}, {txtData}", ReportHAlign::Right));
    o.push_back(PrintBand("Shape1", QRectF(11.2, 39.8, 187.8, 8.0), PrintBeige));
    o.push_back(PrintText("Memo1", QRectF(11.7, 41.0, 186.8, 5.6), 14, PrintFace::Bold, "AUTORIZZAZIONE ALL'EUTANASIA", Centre));
    o.push_back(sentence("Memo4", 56.0, "Il sottoscritto:"));
    o.push_back(CertificatePrintObject{"Shape2", CertificatePrintObject::Kind::Rectangle, QRectF(16.0, 63.0, 178.0, 49.0)});
    PrintOwnerRows(o, rows, rows.ownerTop, "Cognome e nome:");
    o.push_back(sentence("Memo2", 117.0, "proprietario dell'animale:"));
    o.push_back(CertificatePrintObject{"Shape3", CertificatePrintObject::Kind::Rectangle, QRectF(16.0, 124.0, 178.0, 59.0)});
    PrintAnimalRows(o, rows, rows.animalTop);
    o.push_back(sentence("Memo3", 186.0,
                         "pur essendo stato informato sulle eventuali procedure diagnostiche e sulle ulteriori "
                         "possibilità di"));
    o.push_back(sentence("Memo5", 192.0,
                         "sostegno terapeutico e/o chirurgico, considerate le gravi condizioni di salute e lo stato "
                         "di grave"));
    o.push_back(sentence("Memo9", 198.0, "sofferenza in cui versa il proprio animale,"));
    o.push_back(PrintText("Memo11", QRectF(16.0, 205.0, 178.0, 5.6), 14, PrintFace::Bold, "AUTORIZZA", Centre));
    o.push_back(PrintText("Memo13", QRectF(16.0, 212.0, 52.0, 5.4), 11, PrintFace::Plain, "il Medico Veterinario, Dottor"));
    o.push_back(PrintText("txtVeterinario", QRectF(69.0, 212.0, 125.0, 5.4), 11, PrintFace::Plain, "{txtVeterinario}"));
    o.push_back(PrintLine("Line5", QPointF(69.0, 218.0), QPointF(194.0, 218.0)));
    o.push_back(sentence("Memo15", 218.0, "a sottoporre l'animale a eutanasia preceduta da anestesia generale."));
    o.push_back(sentence("Memo17", 227.0,
                         "Riguardo allo smaltimento della salma dell'animale, il proprietario dichiara quanto segue:"));
    o.push_back(PrintText("txtSmaltimento", QRectF(16.0, 233.0, 178.0, 5.4), 11, PrintFace::Plain, "{txtSmaltimento}"));
    o.push_back(PrintLine("Line6", QPointF(16.0, 239.0), QPointF(194.0, 239.0)));
    o.push_back(sentence("Memo19", 243.0,
                         "Dichiara inoltre che, per quanto gli risulti, detto animale non è stato e non ha morsicato "
                         "né"));
    o.push_back(sentence("Memo21", 249.0, "graffiato alcuna persona o altro animale da almeno dieci giorni."));
    o.push_back(PrintText("Memo8", QRectF(121.0, 263.0, 73.0, 4.0), 8, PrintFace::Plain, "FIRMA DEL PROPRIETARIO DELL'ANIMALE", Centre));
    o.push_back(PrintLine("Line11", QPointF(121.0, 279.0), QPointF(194.0, 279.0)));
    o.push_back(PrintText("txtProprietarioAni", QRectF(121.0, 280.0, 73.0, 5.0), 8, PrintFace::Plain, "{txtProprietario}", Centre));
    return o;
}
