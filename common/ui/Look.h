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
inline const QColor LoginTop(70, 130, 200);         // the gradient behind the login and password windows
inline const QColor Ink(0x24, 0x32, 0x40);     // dark details of the pictures
inline const QColor Amber(0xf2, 0xb1, 0x34);   // gold accents: medals, coins, stars
inline const QColor Teal(0x2a, 0x9d, 0x8f);    // the second accent of the pictures
inline const QColor Leaf(0x5b, 0xa5, 0x6e);    // green accents of the pictures
inline const QColor Olive(0x4f, 0x7d, 0x3a);   // a check that passed
inline const QColor Sand(0xc9, 0x9a, 0x6b);    // animal fur
inline const QColor Cream(0xf3, 0xe3, 0xcc);   // light fur
inline const QColor Slate(0x5a, 0x66, 0x72);   // secondary text of the guide
inline const QColor TileTop(0x3a, 0x80, 0xc4);     // command tiles, top of the gradient
inline const QColor TileBottom(0x27, 0x66, 0xa8);  // command tiles, bottom of the gradient
inline const QColor Green(0x2e, 0x9e, 0x4f);       // confirming commands
inline const QColor DarkGreen(0x1f, 0x7a, 0x3a);   // their edge
inline const QColor Highlight(255, 255, 0);         // the rectangle behind the focused edit
inline const QColor AliceBlue(240, 248, 255);       // an edit's own background at rest
inline const QColor FocusYellow(255, 255, 0);       // an edit's own background while it has the focus
inline const QColor SkyBlue(135, 206, 235);         // the frame of an edit coloured on its own background
inline const QColor LinkBlue(0, 0, 139);            // text links
inline const QColor LinkPressed(255, 165, 0);       // a text link while the mouse button is down on it
inline const QColor SlateGrey(112, 128, 144);       // the title bands of the printed lists
inline const QColor LauncherTop(225, 236, 247);     // the launcher's window gradient
inline const QColor LauncherBottom(160, 190, 225);
inline const QColor LauncherPanel(214, 228, 244);   // the bottom of the launcher panel's gradient
inline const QColor SplashTop(25, 25, 35);          // the maker's logo window gradient
inline const QColor SplashBottom(150, 150, 165);
inline const QColor HelpBottom(173, 216, 230);      // the help window's gradient
inline const QColor HelpTopic(220, 20, 60);         // the help window's topic title

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
