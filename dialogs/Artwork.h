#pragma once
#include <QPixmap>
#include <QSize>

// The pictures of the shell's windows, drawn with QPainter at the size asked.
namespace Artwork {

enum class Application { Owners, Animals, Certificates, Appointments, PriceList, Invoices };

// Login: a padlock, the heading "Password", a sentence inviting the user to protect access with a
// password of their choice, and a line naming the first-access password.
QPixmap LoginHeading(QSize size);
// Password change: a padlock, the heading "Cambia password", a line asking to fill in the fields
// below and press OK.
QPixmap ChangeHeading(QSize size);

// Launcher.
QPixmap LauncherTitle(QSize size);     // the product's name in large letters
QPixmap LauncherSubtitle(QSize size);  // the one-line description of the suite
QPixmap InfoIcon(QSize size);
QPixmap HelpIcon(QSize size);
QPixmap ApplicationPhoto(Application app, QSize size);   // an illustration, 226 x 196
QPixmap ApplicationButton(Application app, QSize size);  // the caption as a button, 308 x 38
QPixmap MakerStrip(QSize size);        // the maker's name and web address
QPixmap CopyrightMark(QSize size);     // a small circled C
QPixmap ExitCross(QSize size);         // a small cross

// About window.
QPixmap InfoHeading(QSize size);       // information icon and "Informazioni sul programma"
QPixmap EnvelopeIcon(QSize size);
// Maker's logo window.
QPixmap MakerLogo(QSize size);         // 625 x 380
QPixmap GlobeIcon(QSize size);
// Help window.
QPixmap HelpHeading(QSize size);       // help icon and "Guida all'utilizzo del software"
QPixmap PdfIcon(QSize size);

} // namespace Artwork
