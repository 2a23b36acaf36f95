#pragma once
#include "common/Record.h"

#include <QList>
#include <QString>

// The archives of the certificates and consents, one file each in the program folder.
inline const QString HealthCertificateArchiveName = QStringLiteral("Certificati_Sanitari.pro");
inline const QString VaccinationCertificateArchiveName = QStringLiteral("Certificati_Vaccinazione.pro");
inline const QString MovementCertificateArchiveName = QStringLiteral("Certificati_Movimento.pro");
inline const QString SicknessCertificateArchiveName = QStringLiteral("Certificati_Malattia.pro");
inline const QString DeathCertificateArchiveName = QStringLiteral("Certificati_Decesso.pro");
inline const QString EuthanasiaAuthorizationArchiveName = QStringLiteral("Autorizzazioni_Eutanasia.pro");
inline const QString SurgeryConsentArchiveName = QStringLiteral("Consensi_Interventi.pro");

// One kind of certificate on disk: its context tag, its archive, the size of its records and the
// settings section whose "Inizio" starts its numbering.
struct CertificateArchive {
    QString contextTag;
    QString archiveName;
    int recordSize;
    QString numberingSection;
};

// The seven kinds, in the order of the certificates menu's table of archives: health,
// vaccination, movement, sickness, death, euthanasia authorisation, surgery consent.
const QList<CertificateArchive> &CertificateArchives();

// `TCertificateBase`: the 29 fields with which six of the seven certificate records begin,
// 2334 bytes: the document and its issuer, the owner, the animal.
const RecordLayout &CertificateBaseLayout();

// `THealthCertificateRecord`: the record of "Certificati_Sanitari.pro", exactly the base.
const RecordLayout &HealthCertificateLayout();

// `TSurgeryConsentRecord`: the record of "Consensi_Interventi.pro", the base followed by the
// surgical procedure and the further treatments, 2836 bytes.
const RecordLayout &SurgeryConsentLayout();

// `TVaccinationCertificateRecord`: the base followed by the vaccine's date, name, batch and expiry,
// 2458 bytes.
const RecordLayout &VaccinationCertificateLayout();

// `TMovementCertificateRecord`: twelve fields of its own, without the base, 1512 bytes.
const RecordLayout &MovementCertificateLayout();

// `TSicknessCertificateRecord`: the base and fifteen clinical findings of 250 characters, 6099 bytes.
const RecordLayout &SicknessCertificateLayout();

// `TDeathCertificateRecord`: the base, the flags Morte and Eutanasia, the date and cause of death,
// 2602 bytes.
const RecordLayout &DeathCertificateLayout();

// `TEuthanasiaAuthorizationRecord`: the base and the disposal of the body, 2585 bytes.
const RecordLayout &EuthanasiaAuthorizationLayout();

// The settings section that every certificate card shares: the practice header, the place and
// the veterinarian carried from one document to the next.
inline const QString PracticeHeaderSection = QStringLiteral("Intestazione Studio");
