// The sickness certificate's printout: one A4 page in Italian inside the shared page frame, the
// rows 5 mm apart to leave room for the findings and the wrapping diagnosis.
#include "certificates/CertificatePrintObjects.h"
#include "certificates/CertificatePrintout.h"
#include "certificates/Certificato_Malattia.h"

namespace {

// A row of the findings box: caption 50 mm wide, the value from 72 mm.
void findingRow(std::vector<CertificatePrintObject> &to, const char *caption, const char *captionWords,
                const char *value, const char *valueText, double top)
{
    to.push_back(PrintText(caption, QRectF(19.0, top, 50.0, 4.6), 9, PrintFace::Plain, captionWords));
    to.push_back(PrintText(value, QRectF(72.0, top, 120.4, 4.6), 9, PrintFace::Plain, valueText));
}

} // namespace

std::vector<CertificatePrintObject> SicknessCertificatePrintout()
{
    constexpr auto Centre = ReportHAlign::Center;
    std::vector<CertificatePrintObject> o = CertificatePageFrame();
    o.push_back(PrintText("txtNum", QRectF(12.0, 31.2, 108.0, 4.2), 9, PrintFace::Plain, "Certificato n. {txtNum}"));
    o.push_back(PrintText("txtData", QRectF(122.8, 31.2, 75.0, 4.2), 9, PrintFace::Plain, "{txtLuogo}, {txtData}", ReportHAlign::Right));
    o.push_back(PrintBand("Shape1", QRectF(11.2, 36.8, 187.8, 8.0), PrintBeige));
    o.push_back(PrintText("Memo1", QRectF(11.7, 38.0, 186.8, 5.6), 14, PrintFace::Bold,
                     "CERTIFICATO DI MALATTIA PER ANIMALE DA COMPAGNIA", Centre));
    o.push_back(PrintText("Memo4", QRectF(16.0, 47.4, 184.0, 5.4), 12, PrintFace::Plain,
                     "Il sottoscritto Veterinario con la presente certifica che l'animale:"));
    o.push_back(CertificatePrintObject{"Shape2", CertificatePrintObject::Kind::Rectangle, QRectF(16.0, 55.0, 178.0, 111.0)});
    PrintAnimalAndOwnerRows(o, {19.0, 45.0, 66.0, 126.0, 5.0, 58.0, 115.8, 119.0});
    const struct {
        const char *caption, *captionWords, *value, *valueText;
    } findings[] = {
        {"Memo2", "Condizioni generali:", "txtCondizioni", "{txtCondizioni}"},
        {"Memo5", "Temperatura corporea:", "txtTemperatura", "{txtTemperatura}"},
        {"Memo11", "Apparato muscolo-scheletrico:", "txtAppMus", "{txtAppMus}"},
        {"Memo15", "Apparato respiratorio:", "txtAppRes", "{txtAppRes}"},
        {"Memo19", "Apparato genito-urinario:", "txtAppGen", "{txtAppGen}"},
        {"Memo23", "Apparato cardio-circolatorio:", "txtAppCar", "{txtAppCar}"},
        {"Memo26", "Apparato digerente:", "txtAppDig", "{txtAppDig}"},
        {"Memo29", "Sistema nervoso:", "txtSistema", "{txtSistema}"},
        {"Memo33", "Linfonodi esplorabili:", "txtLinfonodi", "{txtLinfonodi}"},
        {"Memo37", "Cute e annessi:", "txtCute", "{txtCute}"},
        {"Memo41", "Mucose apparenti:", "txtMucose", "{txtMucose}"},
        {"Memo45", "Occhi:", "txtOcchi", "{txtOcchi}"},
        {"Memo48", "Orecchie:", "txtOrecchie", "{txtOrecchie}"},
        {"Memo50", "Denti:", "txtDenti", "{txtDenti}"},
    };
    o.push_back(PrintText("Memo46", QRectF(16.0, 168.5, 184.0, 5.4), 12, PrintFace::Plain,
                     "alla visita clinica, effettuata in data odierna, presenta:"));
    o.push_back(CertificatePrintObject{"Shape3", CertificatePrintObject::Kind::Rectangle, QRectF(16.0, 176.0, 178.0, 73.6)});
    double top = 178.0;
    for (const auto &r : findings) {
        findingRow(o, r.caption, r.captionWords, r.value, r.valueText, top);
        top += 5.0;
    }
    CertificatePrintObject heading = PrintText("Memo52", QRectF(16.0, 251.0, 178.0, 4.6), 8, PrintFace::Bold, "DIAGNOSI", Centre);
    heading.fill = PrintBeige;
    o.push_back(heading);
    CertificatePrintObject diagnosis = PrintText("txtDiagnosi", QRectF(16.0, 256.0, 178.0, 11.0), 8, PrintFace::Plain, "{txtDiagnosi}");
    diagnosis.vAlign = ReportVAlign::Top;
    diagnosis.wordWrap = true;
    diagnosis.fill = PrintAliceBlue;
    o.push_back(diagnosis);
    PrintVetSignature(o, "Memo3", 268.2, 268.2, 280.2, 281.0);
    return o;
}
