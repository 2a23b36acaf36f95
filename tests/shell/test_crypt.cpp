#include "common/Errors.h"
#include "common/IniFile.h"
#include "shell/Crypt.h"

#include <gtest/gtest.h>

namespace {

QString Chars(int from, int count)
{
    QString s;
    for (int i = 0; i < count; ++i)
        s += QChar(char16_t(from + i));
    return s;
}

} // namespace

TEST(Crypt, RoundTripGivesThePasswordBack)
{
    const QString cases[] = {
        QString(),
        QStringLiteral("A"),
        QStringLiteral("BROMELIASPUNTO"),
        QString(255, QChar(0xFF)),
        Chars(0, 255),          // every 8-bit code but the last
        Chars(1, 255),          // every 8-bit code but NUL
        QStringLiteral(" \tPERCHé ") // blanks and accents are kept as they are
    };
    for (const QString &p : cases) {
        SCOPED_TRACE(p.size());
        QString stored = ScramblePassword(p);
        EXPECT_EQ(stored.size(), 2 * p.size());
        EXPECT_EQ(UnscramblePassword(stored), p);
    }
}

TEST(Crypt, StoredFormIsUpperCaseHexAndChainsThroughTheState)
{
    // The first byte is 'B' (0x42) XOR (4938 >> 8 = 0x13); the second shows the state advanced
    // from the scrambled byte.
    EXPECT_EQ(ScramblePassword(QStringLiteral("B")), QStringLiteral("51"));
    EXPECT_EQ(ScramblePassword(QStringLiteral("BR")), QStringLiteral("5101"));
    // The same character scrambles differently at different positions.
    EXPECT_EQ(ScramblePassword(QStringLiteral("AAAA")), QStringLiteral("52B03005"));
    // Only the low 8 bits of a character count.
    EXPECT_EQ(ScramblePassword(QString(QChar(0x0141))), ScramblePassword(QStringLiteral("A")));
}

TEST(Crypt, InstalledPasswordFileHoldsTheFirstAccessPassword)
{
    QString stored = IniReadString(QStringLiteral(TAVOREN_SOURCE_DIR "/assets/unins000.dll"), QStringLiteral("Accesso"),
                                   QStringLiteral("Valore"));
    EXPECT_EQ(stored, ScramblePassword(QStringLiteral("BROMELIASPUNTO")));
    EXPECT_EQ(stored, QStringLiteral("5101AEAD993A466D64ABD07D2A3F"));
}

TEST(Crypt, UnscrambleReadsLowerCaseHexAndIgnoresAnOddLastDigit)
{
    const QString stored = ScramblePassword(QStringLiteral("BROMELIASPUNTO"));
    EXPECT_EQ(UnscramblePassword(stored.toLower()), QStringLiteral("BROMELIASPUNTO"));
    EXPECT_EQ(UnscramblePassword(stored + "7"), QStringLiteral("BROMELIASPUNTO"));
    EXPECT_EQ(UnscramblePassword(stored + "Z"), QStringLiteral("BROMELIASPUNTO"));
    EXPECT_EQ(UnscramblePassword(QStringLiteral("5")), QString());
}

TEST(Crypt, UnscrambleRefusesAPairThatIsNotHex)
{
    for (const char *bad : {"ZZ", "5G", "G5", "51ZZ", "51 1", "-1", "0x"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(UnscramblePassword(QString::fromLatin1(bad)), ConversionError);
    }
}
