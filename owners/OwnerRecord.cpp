#include "owners/OwnerRecord.h"

const RecordLayout &OwnerRecordLayout()
{
    static const RecordLayout layout{
        {"Cliente", 50},      {"DataNasc", 30},     {"ComuneNasc", 50},  {"ProvNasc", 2},
        {"Sesso", 1},         {"Recapito", 50},     {"IndirizzoRes", 50}, {"ProvRes", 2},
        {"ComuneRes", 50},    {"CapRes", 5},        {"Estremi", 250},    {"TelCasa", 30},
        {"TelUff", 30},       {"TelCel", 30},       {"Fax", 30},         {"Email", 50},
        {"CodFisc", 16},      {"Carta", 30},        {"ScadeCarta", 30},  {"PartitaIva", 11},
        {"Iban", 27},         {"Documento", 120},   {"Occupazione", 50}, {"Civile", 50},
        {"Titoli", 120},      {"CaniOra", 250},     {"CaniPrima", 250},  {"Questioni", 250},
        {"Note", 250},        {"Ricontatta", 2},    {"File01", 250},     {"File02", 250},
        {"File03", 250},      {"Desc01", 250},      {"Desc02", 250},     {"Desc03", 250},
    };
    return layout;
}

const QStringList &ProvinceCodes()
{
    static const QStringList codes = QStringLiteral(
        "AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL CN CO CR CS CT CZ "
        "EE EN FC FE FG FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB MC MD ME MI MN MO MS MT "
        "NA NO NU OG OR OT PA PC PD PE PG PI PN PO PR PT PU PV PZ RA RC RE RG RI RM RN RO SA SI SO "
        "SP SR SS SV TA TE TN TO TP TR TS TV UD VA VB VC VE VI VR VT VV").split(QLatin1Char(' '));
    return codes;
}
