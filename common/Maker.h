#pragma once
#include <QString>

// The maker of the suite, wherever the suite names it: the launcher's strip, the logo window and its
// picture, the author and creator of the card printouts' PDF, the creator of the invoice's PDF.
inline const QString MakerName = QStringLiteral("Orsanti");
inline const QString MakerWebAddress = QStringLiteral("https://www.tavoren.it");
inline const QString MakerEmail = QStringLiteral("info@tavoren.it");
