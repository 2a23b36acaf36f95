#pragma once
#include <QString>
#include <QStringList>

// The help of the price-list card: its title and its five paragraphs.
QString PriceListHelpTitle();
QStringList PriceListHelpParagraphs();
