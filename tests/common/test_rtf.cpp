#include "common/Rtf.h"

#include <gtest/gtest.h>

TEST(RtfEscape, KeepsValuesFromChangingTheDocument)
{
    struct Case {
        const char16_t *value;
        const char16_t *escaped;
    };
    const Case cases[] = {
        {u"", u""},
        {u"Forlì, Città € 10", u"Forlì, Città € 10"},  // Windows-1252 text stays as it is
        {u"{\\b Rossi}", u"\\{\\\\b Rossi\\}"},
        {u"\\'e0", u"\\\\'e0"},
        {u"Łódź", u"\\u321?ód\\u378?"},                // ó is Windows-1252: kept; Ł and ź are not
        {u"Nguyễn", u"Nguy\\u7877?n"},
        {u"\U0001F436 Fido", u"\\u-10179?\\u-9162? Fido"},  // one escape per half of a surrogate pair
        {u"riga\r\nriga\tfine", u"riga  riga fine"},        // no line break can reach the file
    };
    for (const Case &c : cases) {
        const QString value = QString::fromUtf16(c.value);
        EXPECT_EQ(RtfEscape(value), QString::fromUtf16(c.escaped)) << value.toStdString();
    }
}

TEST(RtfWriter, FixedTextValuesAndParagraphsInOrder)
{
    RtfWriter rtf;
    rtf.fixed(R"rtf({\rtf1\ansi Cliente: \b )rtf")
        .value(QStringLiteral("{Rossi} \\ Forlì"))
        .fixed(R"rtf(\b0 , citt\'e0)rtf")
        .paragraph()
        .paragraph("")
        .repeat(u'_', 5)
        .paragraph(R"rtf(\pard\qr Firma)rtf")
        .paragraph("}");
    // The value is escaped; fixed text, accented letters included, is taken as it stands.
    EXPECT_EQ(rtf.text(), QString::fromUtf8(R"rtf({\rtf1\ansi Cliente: \b \{Rossi\} \\ Forlì\b0 , citt\'e0)rtf"
                                            R"rtf(\par\par _____\par \pard\qr Firma\par })rtf"));
}
