#include "invoices/InvoiceRecord.h"

const RecordLayout &InvoiceRecordLayout()
{
    static const RecordLayout layout = [] {
        RecordLayout l{
            {"NumFatt", 30},       {"Data", 20},          {"Ditta", 50},         {"ViaDitta", 50},
            {"CapDitta", 12},      {"CittaDitta", 50},    {"ProvDitta", 2},      {"IvaDitta", 30},
            {"CodFiscDitta", 30},  {"Libero01", 50},      {"Libero02", 50},      {"Cliente", 50},
            {"ViaCliente", 50},    {"CapCliente", 12},    {"CittaCliente", 50},  {"ProvCliente", 2},
            {"IvaCliente", 30},    {"CodFiscCliente", 30}, {"Riferimenti", 50},  {"Pagamento", 50},
            {"Banca", 50},         {"Iban", 50},          {"Veicolo", 50},       {"Marca", 50},
            {"Colore", 50},        {"Immatricolazione", 50}, {"Alimentazione", 50}, {"Targa", 50},
        };
        l.appendColumns({{"Quant", 6}, {"Codice", 20}, {"Desc", 55}, {"Prezzo", 10}, {"PercSconto", 6},
                         {"Importo", 10}, {"Es", 2}},
                        InvoiceLineCount);
        l.append({{"TotImponibile", 10}, {"PercIva", 10}, {"TotImposta", 10}, {"TotIva", 10},
                  {"TotEsente", 10}, {"TotFattura", 10}, {"Note", 250}, {"Saldata", 2}});
        return l;
    }();
    return layout;
}

QString InvoiceLineField(const char *column, int line)
{
    return QLatin1String(column) + QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0'));
}
