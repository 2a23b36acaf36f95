#pragma once
#include <QColor>
#include <QList>
#include <QFrame>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

enum class SectionGlyph;

class QLabel;

// The frame of a card: its panel, the rounded panels inside it and the pictures drawn on them.

// Draws a picture at the size asked.
using PictureMaker = std::function<QPixmap(QSize)>;

// A rounded panel with the suite's border, painted by its style sheet; moving over it clears the
// status text when the card has one.
QFrame *MakeRoundedPanel(QWidget *parent, const QString &name, const QColor &fill, int radius = 8);

// A main card window: its name and caption, the blue-to-white gradient behind the card, hints
// that follow the mouse, and opened maximised.
void PrepareCardWindow(QWidget *window, const QString &name, const QString &caption);

// The card's panel of the given size, centred in the window's client area: `panContainer`, or
// `name` where the card's own panels inside it go by that name. Where the client area is smaller
// the panel keeps its size and the window scrolls to show the rest.
QFrame *PlaceCardPanel(QWidget *window, QSize size, const QString &name = QStringLiteral("panContainer"));

// A picture label drawn when its window is first shown, so a hidden window costs nothing.
QLabel *MakeDrawnPicture(QWidget *parent, const QString &name, const QRect &place, PictureMaker draw);

// Runs `draw` on `target` when the window that holds it is first shown.
void DrawPictureOnFirstShow(QLabel *target, PictureMaker draw);

// One white section of a card: its height and the picture at its left.
struct CardSection {
    int height;
    PictureMaker picture;
};
// The sections "shpSezione01".. of a card, one under the other from `topLeft` with `gap` between
// them, each `width` wide with its picture "imgSezione01".. (at most 56 square) centred in a
// 72-wide strip at its left.
QList<QFrame *> MakeCardSections(QWidget *panel, QPoint topLeft, int width, int gap, const QList<CardSection> &sections);

// The caption above a field: Tahoma 12 px in navy, shown as plain text.
QLabel *MakeCaption(QWidget *parent, const QString &name, const QString &text, const QRect &place);

// The frame of the cards with their sections at the left and the command column at the right,
// within the launcher's design area (1016 x 713, a maximised window on a 1024 x 768 screen).
namespace CardFrame {
inline constexpr int PanelWidth = 1008;
inline constexpr int PanelHeight = 680;
inline constexpr int Margin = 8;
inline constexpr int SectionWidth = 834;
inline constexpr int SectionGap = 6;
inline constexpr int FieldLeft = 72;  // fields start right of the section picture
}  // namespace CardFrame

// A section of the given height with one of the drawn section pictures.
CardSection GlyphSection(SectionGlyph glyph, int height);
