#include "animals/AnimalRecord.h"

#include "common/ArchiveSearch.h"
#include "common/Text.h"

const RecordLayout &AnimalRecordLayout()
{
    static const RecordLayout layout{
        {"Nome", 50},            {"Sesso", 1},           {"DataNasc", 10},       {"Gruppo", 50},
        {"Razza", 50},           {"Mantello", 50},       {"Pelo", 50},           {"Segni", 250},
        {"Altezza", 50},         {"Lunghezza", 50},      {"Taglia", 50},         {"Peso", 50},
        {"Sterilizzato", 50},    {"Libretto", 250},      {"Medico", 250},        {"ROI", 250},
        {"Microchip", 50},       {"DataApp", 10},        {"Localizzazione", 50}, {"Tatuaggio", 250},
        {"Pedigree", 250},       {"Aggressivo", 250},    {"Guinzaglio", 250},    {"Giochi", 250},
        {"Note", 250},           {"Proprietario", 50},   {"Recapito", 50},       {"CodFisc", 16},
        {"ComuneRes", 50},       {"InizioProp", 10},     {"Allevatore", 250},    {"Passaggi", 250},
        {"Padre", 250},          {"NonniPat", 250},      {"BisnonniPat", 250},   {"TrisnonniPat", 250},
        {"Madre", 250},          {"NonniMat", 250},      {"BisnonniMat", 250},   {"TrisnonniMat", 250},
        {"CampionatiIta", 250},  {"CampionatiInt", 250}, {"Titoli", 250},        {"Accompagnatori", 250},
        {"Iscrizioni", 250},     {"Vaccinazioni", 250},  {"Sverminazioni", 250}, {"Trattamenti", 250},
        {"Accertamenti", 250},   {"Malattie", 250},      {"Interventi", 250},    {"Profilassi", 250},
        {"Difetti", 250},        {"Alimentazione", 250}, {"File01", 250},        {"File02", 250},
        {"File03", 250},         {"Desc01", 250},        {"Desc02", 250},        {"Desc03", 250},
    };
    return layout;
}

QString AnimalListLine(const Record &animal)
{
    static const ColumnLine line(AnimalRecordLayout(), {{"", "Nome", 30},
                                                        {"  Razza: ", "Razza", 28},
                                                        {"  Chip: ", "Microchip", 20},
                                                        {"  Prop. ", "Proprietario", 30},
                                                        {"  Tel. ", "Recapito", 0}});
    return line(animal);
}

std::optional<int> SavedAnimalNumber(const QString &position, int recordCount)
{
    const QString digits = TrimText(position);
    if (digits.isEmpty() || digits.size() > 9 || !IsDigitsOnly(digits))
        return std::nullopt;
    const int number = digits.toInt();
    if (number < 1 || number > recordCount)
        return std::nullopt;
    return number;
}
