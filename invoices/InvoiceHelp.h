#pragma once
#include <QString>
#include <QStringList>

// The help of the invoices: its title and its eight paragraphs.
QString InvoiceHelpTitle();
QStringList InvoiceHelpParagraphs();
