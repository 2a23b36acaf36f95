#include "certificates/CertificateRecord.h"

#include "dialogs/NumerazioneDoc.h"

const RecordLayout &CertificateBaseLayout()
{
    static const RecordLayout layout{
        {"Studio", 250},      {"IntRigo02", 250},    {"IntRigo03", 250},  {"IntRigo04", 250},
        {"Num", 30},          {"Data", 10},          {"Luogo", 50},       {"Veterinario", 50},
        {"Proprietario", 50}, {"Sesso", 1},          {"DataNasc", 30},    {"CodFisc", 16},
        {"ComuneNasc", 50},   {"IndirizzoRes", 50},  {"CapRes", 5},       {"ComuneRes", 50},
        {"ProvRes", 2},       {"Recapito", 50},      {"NomeAni", 50},     {"SessoAni", 1},
        {"DataNascAni", 10},  {"Specie", 50},        {"Razza", 50},       {"Taglia", 50},
        {"Pelo", 50},         {"Mantello", 50},      {"Microchip", 50},   {"Tatuaggio", 250},
        {"Segni", 250},
    };
    return layout;
}

const RecordLayout &HealthCertificateLayout() { return CertificateBaseLayout(); }

namespace {

// The shared base followed by a type's own fields.
RecordLayout baseFollowedBy(std::initializer_list<FieldDef> own)
{
    RecordLayout l = CertificateBaseLayout();
    l.append(own);
    return l;
}

} // namespace

const RecordLayout &SurgeryConsentLayout()
{
    static const RecordLayout layout = baseFollowedBy({{"Intervento", 250}, {"Trattamenti", 250}});
    return layout;
}

const RecordLayout &VaccinationCertificateLayout()
{
    static const RecordLayout layout =
        baseFollowedBy({{"DataSom", 10}, {"Denominazione", 50}, {"Serie", 50}, {"ScadeMed", 10}});
    return layout;
}

const RecordLayout &MovementCertificateLayout()
{
    static const RecordLayout layout{
        {"Num", 30},          {"Data", 10},     {"Luogo", 50},         {"Veterinario", 50},
        {"NomeAni", 250},     {"SessoAni", 50}, {"DataNascAni", 10},   {"Specie", 50},
        {"Cites", 250},       {"Proprietario", 250}, {"Origine", 250}, {"Destinazione", 250},
    };
    return layout;
}

const RecordLayout &SicknessCertificateLayout()
{
    static const RecordLayout layout = baseFollowedBy({
        {"Condizioni", 250}, {"Temperatura", 250}, {"AppMus", 250},    {"AppRes", 250}, {"AppGen", 250},
        {"AppCar", 250},     {"AppDig", 250},      {"Sistema", 250},   {"Linfonodi", 250}, {"Cute", 250},
        {"Mucose", 250},     {"Occhi", 250},       {"Orecchie", 250},  {"Denti", 250},  {"Diagnosi", 250},
    });
    return layout;
}

const RecordLayout &DeathCertificateLayout()
{
    static const RecordLayout layout =
        baseFollowedBy({{"Morte", 2}, {"Eutanasia", 2}, {"DataDecesso", 10}, {"CausaDecesso", 250}});
    return layout;
}

const RecordLayout &EuthanasiaAuthorizationLayout()
{
    static const RecordLayout layout = baseFollowedBy({{"Smaltimento", 250}});
    return layout;
}

const QList<CertificateArchive> &CertificateArchives()
{
    // The numbering sections are the numbering dialog's, looked up by the same tag.
    static const QList<CertificateArchive> archives = [] {
        QList<CertificateArchive> list{
            {QStringLiteral("certificato_sanitario"), HealthCertificateArchiveName, 2334, {}},
            {QStringLiteral("certificato_vaccinazione"), VaccinationCertificateArchiveName, 2458, {}},
            {QStringLiteral("certificato_movimento"), MovementCertificateArchiveName, 1512, {}},
            {QStringLiteral("certificato_malattia"), SicknessCertificateArchiveName, 6099, {}},
            {QStringLiteral("certificato_decesso"), DeathCertificateArchiveName, 2602, {}},
            {QStringLiteral("autorizzazione_eutanasia"), EuthanasiaAuthorizationArchiveName, 2585, {}},
            {QStringLiteral("consenso_intervento"), SurgeryConsentArchiveName, 2836, {}},
        };
        for (CertificateArchive &a : list)
            a.numberingSection = NumberingStartByTag(a.contextTag);
        return list;
    }();
    return archives;
}
