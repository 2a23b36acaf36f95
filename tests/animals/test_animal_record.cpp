#include "animals/AnimalRecord.h"

#include <gtest/gtest.h>

namespace {

Record animal(std::initializer_list<std::pair<const char *, QString>> fields)
{
    Record r(AnimalRecordLayout());
    for (const auto &[field, value] : fields)
        r.setText(QString::fromLatin1(field), value);
    return r;
}

TEST(AnimalRecord, SixtyFieldsAtTheirOffsets)
{
    const RecordLayout &layout = AnimalRecordLayout();
    EXPECT_EQ(layout.recordSize(), 10857);
    ASSERT_EQ(layout.fieldCount(), 60);
    EXPECT_EQ(AnimalArchiveName, "Anagrafica_Animali.pro");
    // Fields around the short ones, where a wrong capacity shifts everything after it.
    const struct {
        const char *field;
        int offset;
        int capacity;
    } cases[] = {
        {"Nome", 0, 50},           {"Sesso", 51, 1},          {"DataNasc", 53, 10},     {"Gruppo", 64, 50},
        {"Segni", 268, 250},       {"Microchip", 1527, 50},   {"DataApp", 1578, 10},    {"Localizzazione", 1589, 50},
        {"Note", 2895, 250},       {"Proprietario", 3146, 50}, {"CodFisc", 3248, 16},   {"ComuneRes", 3265, 50},
        {"InizioProp", 3316, 10},  {"Allevatore", 3327, 250}, {"Vaccinazioni", 7092, 250},
        {"Alimentazione", 9100, 250}, {"File01", 9351, 250},  {"Desc03", 10606, 250},
    };
    for (const auto &c : cases) {
        const int i = layout.indexOf(QString::fromLatin1(c.field));
        ASSERT_GE(i, 0) << c.field;
        EXPECT_EQ(layout.offset(i), c.offset) << c.field;
        EXPECT_EQ(layout.capacity(i), c.capacity) << c.field;
    }
}

TEST(AnimalListLine, FixedColumnsThenTheWholeTelephone)
{
    const Record r = animal({{"Nome", "  Fido  "},
                             {"Razza", "Pastore tedesco"},
                             {"Microchip", "380260000123456"},
                             {"Proprietario", "Rossi Mario"},
                             {"Recapito", " 333 1234567 "},
                             {"Note", "non compare"}});
    const QString line = "Fido" + QString(26, ' ') + "  Razza: Pastore tedesco" + QString(13, ' ') +
                         "  Chip: 380260000123456" + QString(5, ' ') + "  Prop. Rossi Mario" + QString(19, ' ') +
                         "  Tel. 333 1234567";
    EXPECT_EQ(AnimalListLine(r), line);

    // Texts longer than their column are cut to it; the telephone is never cut.
    const Record longer = animal({{"Nome", "Bartolomeo della Valle Superiore"},
                                  {"Razza", "Cane da pastore bergamasco lungo"},
                                  {"Microchip", "9781234567890123456789"},
                                  {"Proprietario", "Carrettieri Giovanbattista Maria"},
                                  {"Recapito", "02 12345678 / 347 1234567 / ufficio"}});
    EXPECT_EQ(AnimalListLine(longer), "Bartolomeo della Valle Superio  Razza: Cane da pastore bergamasco l  "
                                      "Chip: 97812345678901234567  Prop. Carrettieri Giovanbattista Mar  "
                                      "Tel. 02 12345678 / 347 1234567 / ufficio");

    // An empty record still has every column at its place.
    const QString empty = AnimalListLine(Record(AnimalRecordLayout()));
    EXPECT_EQ(empty, QString(30, ' ') + "  Razza: " + QString(28, ' ') + "  Chip: " + QString(20, ' ') + "  Prop. " +
                         QString(30, ' ') + "  Tel. ");
}

} // namespace
