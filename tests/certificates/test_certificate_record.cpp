#include "certificates/Autorizzazione_Eutanasia.h"
#include "certificates/CertificateRecord.h"
#include "certificates/CertificateType.h"
#include "certificates/Certificato_Decesso.h"
#include "certificates/Certificato_Malattia.h"

#include <gtest/gtest.h>

namespace {

TEST(CertificateRecord, BaseFieldsAtTheirOffsets)
{
    const RecordLayout &layout = CertificateBaseLayout();
    EXPECT_EQ(layout.recordSize(), 2334);
    ASSERT_EQ(layout.fieldCount(), 29);
    EXPECT_EQ(&HealthCertificateLayout(), &layout);
    // Around the short fields, where a wrong capacity shifts everything after it.
    const struct {
        const char *field;
        int offset;
        int capacity;
    } cases[] = {
        {"Studio", 0, 250},       {"IntRigo04", 753, 250},   {"Num", 1004, 30},       {"Data", 1035, 10},
        {"Luogo", 1046, 50},      {"Veterinario", 1097, 50}, {"Sesso", 1199, 1},      {"DataNasc", 1201, 30},
        {"CodFisc", 1232, 16},    {"ComuneNasc", 1249, 50},  {"IndirizzoRes", 1300, 50}, {"CapRes", 1351, 5},
        {"ComuneRes", 1357, 50},  {"ProvRes", 1408, 2},      {"Recapito", 1411, 50},  {"NomeAni", 1462, 50},
        {"SessoAni", 1513, 1},    {"DataNascAni", 1515, 10}, {"Specie", 1526, 50},    {"Microchip", 1781, 50},
        {"Tatuaggio", 1832, 250}, {"Segni", 2083, 250},
    };
    for (const auto &c : cases) {
        const int i = layout.indexOf(QString::fromLatin1(c.field));
        ASSERT_GE(i, 0) << c.field;
        EXPECT_EQ(layout.offset(i), c.offset) << c.field;
        EXPECT_EQ(layout.capacity(i), c.capacity) << c.field;
    }
}

TEST(CertificateRecord, ConsentIsTheBaseFollowedByProcedureAndTreatments)
{
    const RecordLayout &layout = SurgeryConsentLayout();
    EXPECT_EQ(layout.recordSize(), 2836);
    ASSERT_EQ(layout.fieldCount(), 31);
    EXPECT_EQ(layout.names().mid(0, 29), CertificateBaseLayout().names());
    EXPECT_EQ(layout.offset(layout.indexOf("Intervento")), 2334);
    EXPECT_EQ(layout.offset(layout.indexOf("Trattamenti")), 2585);
    EXPECT_EQ(layout.capacity(layout.indexOf("Trattamenti")), 250);

    Record r(layout);
    r.setText("Razza", "Setter");
    r.setText("Trattamenti", QString(300, QLatin1Char('x')));
    const QByteArray &b = r.bytes();
    EXPECT_EQ(b.mid(1577, 7), QByteArray("\x06Setter"));
    EXPECT_EQ(quint8(b[2585]), 250);
    EXPECT_EQ(b.size(), 2836);
}

TEST(CertificateRecord, FieldsAreStoredTrimmedCutAndInWindows1252)
{
    Record r(HealthCertificateLayout());
    r.setText("ProvRes", YesNoFlag(true));
    r.setText("CapRes", "  20121999 ");
    r.setText("Segni", "  macchia bianca  sul petto ");
    const QByteArray &b = r.bytes();
    EXPECT_EQ(b.mid(1408, 3), QByteArray::fromHex("0253EC"));
    EXPECT_EQ(b.mid(1351, 6), QByteArray("\x05" "20121"));
    EXPECT_EQ(r.text("Segni"), "macchia bianca  sul petto");
}

TEST(CertificateRecord, SevenArchivesWithTheirNumberingSections)
{
    const struct {
        const char *tag;
        const char *archive;
        int size;
        const char *section;
    } cases[] = {
        {"certificato_sanitario", "Certificati_Sanitari.pro", 2334, "Numerazione Certificati Sanitari"},
        {"certificato_vaccinazione", "Certificati_Vaccinazione.pro", 2458, "Numerazione Certificati Vaccinazione"},
        {"certificato_movimento", "Certificati_Movimento.pro", 1512, "Numerazione Certificati Movimento"},
        {"certificato_malattia", "Certificati_Malattia.pro", 6099, "Numerazione Certificati Malattia"},
        {"certificato_decesso", "Certificati_Decesso.pro", 2602, "Numerazione Certificati Decesso"},
        {"autorizzazione_eutanasia", "Autorizzazioni_Eutanasia.pro", 2585, "Numerazione Autorizzazioni Eutanasia"},
        {"consenso_intervento", "Consensi_Interventi.pro", 2836, "Numerazione Consensi Interventi"},
    };
    const QList<CertificateArchive> &archives = CertificateArchives();
    ASSERT_EQ(archives.size(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(archives[i].contextTag, cases[i].tag);
        EXPECT_EQ(archives[i].archiveName, cases[i].archive);
        EXPECT_EQ(archives[i].recordSize, cases[i].size);
        EXPECT_EQ(archives[i].numberingSection, cases[i].section);
    }
}

TEST(CertificateType, DeclarationsCoverEveryFieldOnce)
{
    const struct {
        const CertificateType &(*type)();
        const char *dateTag;
        int archive;  // its row in the table of archives
        QStringList notEdits{};  // fields held by controls of the type's own
    } cases[] = {
        {HealthCertificateType, "certificato_sanitario_data", 0},
        {SicknessCertificateType, "certificato_malattia_data", 3},
        {DeathCertificateType, "certificato_decesso_data", 4, {"Morte", "Eutanasia"}},
        {EuthanasiaAuthorizationType, "autorizzazione_eutanasia_data", 5},
        {SurgeryConsentType, "consenso_intervento_data", 6},
    };
    for (const auto &c : cases) {
    const CertificateType &t = c.type();
    SCOPED_TRACE(t.objectName.toStdString());
    EXPECT_EQ(t.dateTag(), c.dateTag);
    EXPECT_EQ(t.numberingSection, CertificateArchives()[c.archive].numberingSection);
    EXPECT_EQ(t.archiveName, CertificateArchives()[c.archive].archiveName);
    EXPECT_EQ(t.layout->recordSize(), CertificateArchives()[c.archive].recordSize);
    // Every field of the record has exactly one edit, in record order, which is also the Enter chain.
    QStringList fields;
    QStringList edits;
    for (const CertificateBand &band : t.bands)
        for (const CertificateEdit &e : band.edits) {
            fields << QString::fromLatin1(e.field);
            edits << CertificateEditName(e);
        }
    QStringList expected = t.layout->names();
    for (const QString &f : c.notEdits)
        expected.removeOne(f);
    EXPECT_EQ(fields, expected);
    EXPECT_TRUE(edits.contains("txtindirizzoRes"));
    EXPECT_FALSE(edits.contains("txtIndirizzoRes"));
    }
}

TEST(CertificateType, WarningsNameTheDocumentWithItsArticle)
{
    // "del" and "il" before a consonant, elided before a vowel.
    const struct {
        const char *document;
        const char *number;
        const char *date;
    } cases[] = {
        {"certificato", "il numero progressivo del certificato.", "Per poter salvare il certificato è"},
        {"autorizzazione", "il numero progressivo dell'autorizzazione.", "Per poter salvare l'autorizzazione è"},
        {"consenso all'intervento chirurgico", "il numero progressivo del consenso all'intervento chirurgico.",
         "Per poter salvare il consenso all'intervento chirurgico è"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.document);
        const QList<RequiredPhrase> required = PracticeRequired(QString::fromUtf8(c.document));
        EXPECT_EQ(required[1].phrase, QString::fromUtf8(c.number));
        EXPECT_TRUE(InvalidDateMessage(QString::fromUtf8(c.document)).contains(QString::fromUtf8(c.date)));
    }
    EXPECT_EQ(EuthanasiaAuthorizationType().required[2].phrase, "la data di emissione dell'autorizzazione.");
}

} // namespace
