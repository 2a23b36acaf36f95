#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

// The palette and the fonts of the suite, defined once.
namespace Look {

inline const QColor Navy(0x1f, 0x4e, 0x79);   // captions, headings, strokes
inline const QColor Blue(0x2e, 0x75, 0xb6);   // status line, command tiles
inline const QColor Sky(0x9d, 0xc3, 0xe6);    // panel borders
inline const QColor Pale(0xdd, 0xeb, 0xf7);   // command panels, light fills
inline const QColor Mist(0xf4, 0xf8, 0xfc);   // the lightest fills
inline const QColor Steel(0x8a, 0x9b, 0xad);  // disabled strokes and greys
inline const QColor Crimson(0xd6, 0x3a, 0x3a); // warnings
inline const QColor CardPanel(0xec, 0xf3, 0xfa);   // the panel behind a card's sections
inline const QColor WindowTop(70, 130, 180);        // the gradient behind the main windows

// A colour as a style-sheet value ("#1f4e79").
inline QString Css(const QColor &c) { return c.name(); }

// The two faces the suite uses, each with the metric-compatible faces a Debian machine has in
// their place, so the text keeps its width where the named face is missing.
inline QFont Verdana(int pointSize = -1, bool bold = false)
{
    QFont f(QStringLiteral("Verdana"));
    f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    if (pointSize > 0)
        f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

inline QFont Tahoma(int pointSize = -1, bool bold = false)
{
    QFont f(QStringLiteral("Tahoma"));
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    if (pointSize > 0)
        f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

// The same faces at a size in pixels, for pictures drawn at a given size.
inline QFont VerdanaPixels(int pixelSize, bool bold = false)
{
    QFont f = Verdana(-1, bold);
    f.setPixelSize(pixelSize);
    return f;
}

inline QFont TahomaPixels(int pixelSize, bool bold = false)
{
    QFont f = Tahoma(-1, bold);
    f.setPixelSize(pixelSize);
    return f;
}

} // namespace Look
