#pragma once
#include <QImage>
#include <QPixmap>
#include <QSize>

// The issuer's logo that the invoices print, kept as "Logo.bmp" in the program folder.

// The name of the logo file in the program folder.
inline constexpr const char *InvoiceLogoFileName = "Logo.bmp";

// The default logo: a blue caduceus of 297 x 184 pixels on white, drawn once per process.
QImage DefaultInvoiceLogo();
// The logo to print: "Logo.bmp" of the program folder, or the default when it is missing or can't
// be read as a picture.
QImage LoadInvoiceLogo();
// The blank logo: 2 x 2 opaque white pixels.
QImage BlankInvoiceLogo();

// A small caduceus on a transparent ground, for the command that restores the default logo.
QPixmap CaduceusPicture(QSize size);
