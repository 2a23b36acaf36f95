#include "certificates/CertificatePrintout.h"
#include "certificates/CertificateRecord.h"
#include "certificates/CertificateType.h"
#include "certificates/ExpCertificati_Vaccinazione.h"
#include "certificates/TrovaCertificati_Vaccinazione.h"
#include "common/ui/Look.h"

namespace {

using In = CertificateInput;
using Cmd = CertificateEditCommand;
using Band = CertificateBandKind;

} // namespace

const CertificateType &VaccinationCertificateType()
{
    static const CertificateType type{
        .contextTag = QStringLiteral("certificato_vaccinazione"),
        .menuTag = QStringLiteral("certificato_vaccinazione"),
        .objectName = QStringLiteral("frmCertificato_Vaccinazione"),
        .caption = QStringLiteral(" Tavoren - Certificato di vaccinazione antirabbica"),
        .archiveName = VaccinationCertificateArchiveName,
        .layout = &VaccinationCertificateLayout(),
        .headerKeys = PracticeHeaderKeys(),
        .numberingSection = QStringLiteral("Numerazione Certificati Vaccinazione"),
        .bands =
            {
                PracticeHeaderBand(),
                {Band::Title, 34},
                IssueBand("Certificato n."),
                OwnerBand(),
                AnimalBand(),
                // The vaccine's edits above the declaration and the signature.
                {Band::Declaration, 112,
                 {Centred({"DataSom", "Data somministrazione:", 16, 0, 168, In::Plain, Cmd::None, nullptr, Look::AliceBlue}),
                  {"Denominazione", "Denominazione vaccino:", 192, 0, 282, In::Plain, Cmd::None, nullptr,
                   Look::AliceBlue},
                  {"Serie", "Serie e numero:", 482, 0, 260, In::Plain, Cmd::None, nullptr, Look::AliceBlue},
                  Centred({"ScadeMed", "Scadenza medicinale:", 750, 0, 168, In::Plain, Cmd::None, nullptr,
                           Look::AliceBlue})}},
            },
        .title = QStringLiteral("CERTIFICATO DI VACCINAZIONE ANTIRABBICA"),
        .declaration = QStringLiteral("Il Veterinario certifica di aver vaccinato l'animale contro la rabbia."),
        .declarationEnglish = QString(),
        .signatureEnglish = QString(),
        .required = PracticeRequired(QStringLiteral("certificato")),
        .dateMessage = InvalidDateMessage(QStringLiteral("certificato")),
        .clearFocus = "Proprietario",
        .search = VaccinationCertificateSearch(),
        .exportWindow = VaccinationCertificateExport(),
        .printName = QStringLiteral("Certificato Vaccinazione"),
        .printout = VaccinationCertificatePrintout(),
        .openSearch = OpenVaccinationCertificateSearch,
        .openExport = OpenVaccinationCertificateExport,
        .preview = [](QWidget *card) { PreviewCertificate(card, VaccinationCertificateType()); },
        .print = [](QWidget *card) { PrintCertificate(card, VaccinationCertificateType()); },
    };
    return type;
}
