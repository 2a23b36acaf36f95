#pragma once
#include <QString>

// The maker of the suite, as the about and logo windows and the launcher name it.
inline const QString MakerName = QStringLiteral("Officina Tavoren");
inline const QString MakerWebAddress = QStringLiteral("https://www.tavoren.it");
inline const QString MakerEmail = QStringLiteral("info@tavoren.it");
